#include "OrderAdding.h"

#include "OznakaCD.h"
#include "PreviousOrdersIndex.h"
#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/LetterCase.h"

#include <QSet>
#include <exception>
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

// Rows accepted but not yet in the order. They join it in one piece before the customer
// sees anything and at the end, so a large batch does not grow the shown list row by row.
class PendingRows
{
public:
    PendingRows(OrderDocument& order, qsizetype expected) : m_order(order)
    {
        m_rows.reserve(expected);
        m_upperItems.reserve(expected);
        m_seen.reserve(expected);
    }

    bool contains(const QString& upperItem) const
    {
        return m_seen.contains(upperItem) || m_order.containsUpper(upperItem);
    }
    qsizetype count() const { return m_rows.size(); }
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
            m_order.addToBatch(std::exchange(m_rows, {}), std::exchange(m_upperItems, {}));
        m_seen.clear();
        return added;
    }

private:
    OrderDocument& m_order;
    QList<FileRow> m_rows;
    QList<QString> m_upperItems;
    QSet<QString> m_seen;
};

} // namespace

AddingResult addToOrder(OrderDocument& order, const AddingEntries& entries, int comboSelectionIndex,
                        PreviousOrders& previous, const AddingPrompts& prompts,
                        const QString& stepName, int row)
{
    const OrderFileReader::Room room = order.room();
    PendingRows pending(order, qMin(entries.count, room.items));
    qint64 fileBytes = 0;
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

    order.beginBatch(stepName, row);
    previous.index.beginBatch();
    try {
        for (qsizetype i = 0; i < entries.count; ++i) {
            if (entries.progress && i > 0 && (i & 0x3FF) == 0 && !entries.progress(i)) {
                result.cancelled = true;
                break;
            }
            if (added + pending.count() >= room.items) {
                result.leftOut = entries.count - i;
                break;
            }
            const FileRow entry = entries.at(i);
            const QString item = OznakaCD(entry.text, comboSelectionIndex);
            FileRow ordered{item, entry.fullPath, entry.size};
            const qint64 rowBytes = OrderFileWriter::savedSize(ordered);
            if (fileBytes + rowBytes > room.bytes) {
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
            pending.append(std::move(ordered), upperItem);
            fileBytes += rowBytes;
        }
        added += pending.flush();
    } catch (...) {
        // What was accepted before the failure stays in the order, as one step; the batch
        // ends whatever happens, and the last failure is the one reported.
        std::exception_ptr failure = std::current_exception();
        try {
            pending.flush();
        } catch (...) {
            failure = std::current_exception();
        }
        order.endBatch();
        std::rethrow_exception(failure);
    }
    if (entries.progress)
        entries.progress(entries.count);
    order.endBatch();
    return result;
}
