#include "OrderAdding.h"

#include "OznakaCD.h"
#include "PreviousOrdersIndex.h"
#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/LetterCase.h"

#include <QSet>
#include <utility>

bool ProvjeriProsleCD(const QString& item, PreviousOrders& previous, const AddingPrompts& prompts)
{
    if (previous.paths.isEmpty())
        return true;
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
    PendingRows(OrderList& order, qsizetype expected) : m_order(order)
    {
        m_rows.reserve(expected);
        m_upperItems.reserve(expected);
        m_seen.reserve(expected);
    }

    bool contains(const QString& upperItem) const
    {
        return m_seen.contains(upperItem) || m_order.containsUpper(upperItem);
    }
    qsizetype countWithOrder() const { return m_order.count() + m_rows.size(); }
    void append(FileRow row, const QString& upperItem)
    {
        m_seen.insert(upperItem);
        m_upperItems.append(upperItem);
        m_rows.append(std::move(row));
    }
    int flush()
    {
        const int added = int(m_rows.size());
        if (added > 0)
            m_order.append(std::exchange(m_rows, {}), std::exchange(m_upperItems, {}));
        m_seen.clear();
        return added;
    }

private:
    OrderList& m_order;
    QList<FileRow> m_rows;
    QList<QString> m_upperItems;
    QSet<QString> m_seen;
};

} // namespace

AddingResult addToOrder(OrderList& order, const AddingEntries& entries, int comboSelectionIndex,
                        PreviousOrders& previous, const AddingPrompts& prompts)
{
    PendingRows pending(order, qMin(entries.count, kMaxOrderItems - order.count()));
    qint64 fileBytes = OrderFileWriter::savedSize(order.model().packed());
    AddingResult result;
    int& added = result.added;
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
        for (qsizetype i = 0; i < entries.count; ++i) {
            if (entries.progress && i > 0 && (i & 0x3FF) == 0 && !entries.progress(i)) {
                result.cancelled = true;
                break;
            }
            if (pending.countWithOrder() >= kMaxOrderItems) {
                result.leftOut = entries.count - i;
                break;
            }
            const FileRow entry = entries.at(i);
            const QString item = OznakaCD(entry.text, comboSelectionIndex);
            FileRow row{item, entry.fullPath, entry.size};
            const qint64 rowBytes = OrderFileWriter::savedSize(row);
            if (fileBytes + rowBytes > kMaxOrderFileBytes) {
                result.leftOut = entries.count - i;
                result.fullBySize = true;
                break;
            }
            if (!ProvjeriProsleCD(item, previous, shownAfterFlush))
                continue;
            const QString upperItem = LetterCase::upper(item);
            if (pending.contains(upperItem)) {
                shownAfterFlush.reportDuplicate(item);
                continue;
            }
            pending.append(std::move(row), upperItem);
            fileBytes += rowBytes;
        }
    } catch (...) {
        // What was accepted before the failure stays in the order.
        pending.flush();
        throw;
    }
    added += pending.flush();
    return result;
}
