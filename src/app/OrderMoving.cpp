// Putting the order in the customer's order: moving items by key or by drag, and adding
// files by dragging them into the order.
#include "frmzBIRNIK.h"

#include "OrderMenu.h"

#include <QPushButton>
#include <algorithm>

namespace {

// Where the row at position stands after the rows at the ascending positions from were
// moved to the ascending positions to.
int positionAfterMove(int position, const QList<int>& from, const QList<int>& to)
{
    const auto moved = std::lower_bound(from.begin(), from.end(), position);
    if (moved != from.end() && *moved == position)
        return to[moved - from.begin()];
    // The rows that stayed keep their order in the places that the moved rows left free.
    int after = position - int(moved - from.begin());
    for (const int taken : to) {
        if (taken > after)
            break;
        ++after;
    }
    return after;
}

} // namespace

void frmzBIRNIK::createDragAndDrop()
{
    // A file list row never leaves its list: a drag from it copies.
    lstCD->setDragAction(Qt::CopyAction);
    lstCDNarucen->setDragAction(Qt::MoveAction);
    lstCDNarucen->acceptDropsFrom({lstCD, lstCDNarucen});
    connect(lstCDNarucen, &FileListView::rowsDropped, this, &frmzBIRNIK::dropRows);
}

void frmzBIRNIK::moveOrderUp()
{
    if (!waitIfBusy(&frmzBIRNIK::moveOrderUp))
        moveOrderRows(OrderDocument::MoveDirection::Up);
}

void frmzBIRNIK::moveOrderDown()
{
    if (!waitIfBusy(&frmzBIRNIK::moveOrderDown))
        moveOrderRows(OrderDocument::MoveDirection::Down);
}

// The moved items stay selected and the current item stays current.
void frmzBIRNIK::moveOrderRows(OrderDocument::MoveDirection direction)
{
    const QList<int> positions = selectedPositions(lstCDNarucen);
    if (positions.isEmpty())
        return;
    const int current = lstCDNarucen->currentIndex().row();
    guarded(
        [&] {
            const QList<int> placed = m_order.moveOnePlace(
                positions, direction,
                direction == OrderDocument::MoveDirection::Up ? OrderMenu::moveUpName()
                                                              : OrderMenu::moveDownName());
            selectOrderRows(placed,
                            current < 0 ? -1 : positionAfterMove(current, positions, placed));
        },
        QStringLiteral("pomjeranje datoteka u narudzbi"));
}

// Runs after the drag has ended, so the boxes of adding open outside it.
void frmzBIRNIK::dropRows(FileListView* source, const QList<int>& positions, int row)
{
    if (m_busy)
        return;
    if (source == lstCD) {
        addEntries({positions.size(), [&](qsizetype i) { return m_files.at(positions[i]); }},
                   cmdDodaj, row);
        return;
    }
    const int current = lstCDNarucen->currentIndex().row();
    guarded(
        [&] {
            const QList<int> placed = m_order.move(positions, row, OrderMenu::dragMoveName());
            selectOrderRows(placed,
                            current < 0 ? -1 : positionAfterMove(current, positions, placed));
        },
        QStringLiteral("pomjeranje datoteka u narudzbi"));
}
