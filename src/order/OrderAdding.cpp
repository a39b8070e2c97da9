#include "OrderAdding.h"

#include "OznakaCD.h"
#include "PreviousOrdersIndex.h"

#include <QSet>
#include <utility>

bool ProvjeriProsleCD(const QString& item, PreviousOrders& previous, const AddingPrompts& prompts)
{
    const QString wanted = wantedName(item);
    if (!previous.index.contains(previous.paths, wanted, prompts.reportFault))
        return true;
    const bool again = prompts.askOrderAgain(wanted);
    previous.index.recheck();
    return again;
}

namespace {

// Rows accepted but not yet in the order. They join it in one insert before the customer
// sees anything and at the end, so a large batch does not grow the shown list row by row.
class PendingRows
{
public:
    explicit PendingRows(OrderList& order) : m_order(order) {}

    bool contains(const QString& upperItem) const
    {
        return m_upperItems.contains(upperItem) || m_order.contains(upperItem);
    }
    void append(FileRow row, const QString& upperItem)
    {
        m_upperItems.insert(upperItem);
        m_rows.append(std::move(row));
    }
    int flush()
    {
        const int added = int(m_rows.size());
        m_order.append(std::exchange(m_rows, {}));
        m_upperItems.clear();
        return added;
    }

private:
    OrderList& m_order;
    QList<FileRow> m_rows;
    QSet<QString> m_upperItems;
};

} // namespace

int addToOrder(OrderList& order, const QList<FileRow>& entries, int comboSelectionIndex,
               PreviousOrders& previous, const AddingPrompts& prompts)
{
    PendingRows pending(order);
    int added = 0;
    const AddingPrompts shownAfterFlush{[&](const QString& wanted) {
                                            added += pending.flush();
                                            return prompts.askOrderAgain(wanted);
                                        },
                                        [&](const QString& item) {
                                            added += pending.flush();
                                            prompts.reportDuplicate(item);
                                        },
                                        [&](const QString& message) {
                                            added += pending.flush();
                                            prompts.reportFault(message);
                                        }};

    previous.index.beginBatch();
    try {
        for (const FileRow& entry : entries) {
            const QString item = OznakaCD(entry.text, comboSelectionIndex);
            if (!ProvjeriProsleCD(item, previous, shownAfterFlush))
                continue;
            const QString upperItem = item.toUpper();
            if (pending.contains(upperItem)) {
                shownAfterFlush.reportDuplicate(item);
                continue;
            }
            pending.append({item, entry.fullPath, entry.size}, upperItem);
        }
    } catch (...) {
        // What was accepted before the failure stays in the order.
        pending.flush();
        throw;
    }
    return added + pending.flush();
}
