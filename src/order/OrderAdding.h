#pragma once

#include "OrderDocument.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class PreviousOrdersIndex;

// What adding asks of the customer and tells them; the window shows these as message boxes.
struct AddingPrompts
{
    // A file of the same name stood on a previous CD: order it again? True for Yes.
    std::function<bool(const QString& wanted)> askOrderAgain;
    // The item is already in the order and is left out.
    std::function<void(const QString& item)> reportDuplicate;
    // A previous CD's order file is faulty and is left out of the check.
    std::function<void(const QString& message)> reportFault;
};

// The previous CDs' order files as the check sees them.
struct PreviousOrders
{
    PreviousOrdersIndex& index;
    QStringList paths;
};

// The previous-orders check of one order item: true when it is to be added. On a match it
// asks the customer; a faulty file on the way is reported and left out.
bool ProvjeriProsleCD(const QString& item, PreviousOrders& previous, const AddingPrompts& prompts);

struct AddingResult
{
    int added = 0;
    // Entries not looked at because the order was full.
    qsizetype leftOut = 0;
    // The order was full by the size of its file rather than by its count.
    bool fullBySize = false;
    // The customer stopped the batch; what it had accepted stays.
    bool cancelled = false;
};

// The file list entries of a batch, each decoded only when the batch comes to it.
struct AddingEntries
{
    qsizetype count = 0;
    std::function<FileRow(qsizetype)> at;
    // Told now and then how many entries the batch has looked at, false stops it; told count
    // once the batch has looked at all it will, before the order reports.
    std::function<bool(qsizetype looked)> progress = {};

    static AddingEntries of(const QList<FileRow>& rows)
    {
        return {rows.size(), [&rows](qsizetype i) { return rows[i]; }};
    }
};

// Adds file list entries to the order as one batch, in their order, and as one undo step
// named stepName. Each entry is labelled with OznakaCD, passes the previous-orders check, and
// is refused when its item is already in the order, entries added earlier in the batch
// included. The batch stops when the order has no room left (OrderDocument::room: its count
// and the size of its file), so that every order the program holds can be saved and opened
// again; the entries after that are left out and never decoded. The batch joins at row, or
// at the end.
AddingResult addToOrder(OrderDocument& order, const AddingEntries& entries, int comboSelectionIndex,
                        PreviousOrders& previous, const AddingPrompts& prompts,
                        const QString& stepName = {}, int row = -1);
inline AddingResult addToOrder(OrderDocument& order, const QList<FileRow>& entries,
                               int comboSelectionIndex, PreviousOrders& previous,
                               const AddingPrompts& prompts, const QString& stepName = {})
{
    return addToOrder(order, AddingEntries::of(entries), comboSelectionIndex, previous, prompts,
                      stepName);
}
