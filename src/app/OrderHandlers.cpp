// Building the order: file details on selection, adding and removing.
#include "frmzBIRNIK.h"

#include "BatchQuestions.h"
#include "OrderMenu.h"
#include "dialogs/FormColours.h"
#include "dialogs/frmOpcije.h"
#include "listings/FileKind.h"
#include "order/OrderAdding.h"
#include "orderfile/OrderFileReader.h"
#include "platform/Prompts.h"
#include "platform/qt/ColourValue.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <algorithm>
#include <numeric>

namespace {

// The selected rows of a list in ascending order, gathered from the selection's ranges so
// that a selection of every other row of a long list costs one pass.
QList<int> selectedPositions(const QListView* list)
{
    QList<int> positions;
    for (const QItemSelectionRange& range : list->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            positions.append(row);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

} // namespace

void frmzBIRNIK::lstCD_Click()
{
    showDetails(lstCD, m_files);
}

void frmzBIRNIK::lstCDNarucen_Click()
{
    showDetails(lstCDNarucen, m_order.model());
}

void frmzBIRNIK::lstCD_DblClick()
{
    cmdDodaj_Click();
}

// The current item is the one with the focus, whether or not it is selected.
void frmzBIRNIK::showDetails(QListView* list, const FileRowsModel& rows)
{
    const QModelIndex current = list->currentIndex();
    const bool valid = current.isValid() && current.row() < rows.count();
    const QString text = valid ? rows.at(current.row()).text : QString();
    const QString size = valid ? rows.at(current.row()).size : QString();
    lblPjesma->setFullText(text);
    lblVrijeme->setText(size);
    const QColor colour = colourFromValue(m_opcije->colour(isVideoClip(text) ? 1 : 0));
    setTextColour(lblVrijeme, colour);
    setTextColour(lblPjesma, colour);
}

void frmzBIRNIK::cmdDodaj_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdDodaj_Click))
        return;
    if (!lstCD->currentIndex().isValid())
        return;
    addEntries(selectedPositions(lstCD), cmdDodaj);
}

void frmzBIRNIK::cmdDodajSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdDodajSve_Click))
        return;
    QList<int> positions(m_files.count());
    std::iota(positions.begin(), positions.end(), 0);
    addEntries(positions, cmdDodajSve);
}

void frmzBIRNIK::addEntries(const QList<int>& positions, const QPushButton* button)
{
    BatchQuestions batch(m_platform.prompts, [&](const QString& message) { showError(message); });
    const int before = m_order.count();
    AddingResult result;
    guarded([&] {
        QList<FileRow> entries;
        entries.reserve(positions.size());
        for (const int position : positions)
            entries.append(m_files.at(position));
        PreviousOrders previous{m_previousOrders,
                                consultedPaths(m_shared.ProsliCD, m_shared.BrojProslihCD)};
        result = addToOrder(m_order, entries, cmbCDovi->currentIndex(), previous, batch.prompts(),
                            stepName(button));
    });
    // The batch's closing lines follow the updated count and total.
    batch.reportSkipped();
    if (result.leftOut > 0) {
        m_platform.prompts.message(
            QStringLiteral("Narudzba moze imati najvise %1 datoteka. Nije dodano jos %2 datoteka.")
                .arg(kMaxOrderItems)
                .arg(result.leftOut),
            QStringLiteral("Narudzba je puna"), MessageIcon::Information);
    }
    reportInvalidSizes(m_order.model(), m_order.sizeSum().invalidPositions, before);
}

void frmzBIRNIK::cmdIzbrisi_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisi_Click))
        return;
    if (!lstCDNarucen->currentIndex().isValid())
        return;
    guarded([&] { m_order.remove(selectedPositions(lstCDNarucen), stepName(cmdIzbrisi)); });
}

void frmzBIRNIK::cmdIzbrisiSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisiSve_Click))
        return;
    guarded([&] { m_order.empty(stepName(cmdIzbrisiSve)); });
}

void frmzBIRNIK::undoOrder()
{
    if (waitIfBusy(&frmzBIRNIK::undoOrder))
        return;
    guarded([&] { m_order.undo(); });
}

void frmzBIRNIK::redoOrder()
{
    if (waitIfBusy(&frmzBIRNIK::redoOrder))
        return;
    guarded([&] { m_order.redo(); });
}

// The window shows what the order reports; it keeps no state of the order of its own.
void frmzBIRNIK::connectOrder()
{
    connect(&m_order, &OrderDocument::countChanged, lblBrojNarucenih,
            [this](int count) { lblBrojNarucenih->setText(QString::number(count)); });
    connect(&m_order, &OrderDocument::totalChanged, this, [this](const QString& total) {
        lblCDNarucen_Vrijeme->setText(total);
        describeCapacity(m_order.sizeSum().bytes);
    });
    connect(&m_order, &OrderDocument::capacityExceeded, this, &frmzBIRNIK::warnOverCapacity);
    connect(&m_order, &OrderDocument::overCapacityChanged, this, &frmzBIRNIK::showOrderCapacity);
    connect(&m_order, &OrderDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_order, &OrderDocument::rowsPutBack, this, &frmzBIRNIK::selectOrderRows);
    m_orderMenu = new OrderMenu(m_order, lstCDNarucen, this);
    connect(m_orderMenu->undo(), &QAction::triggered, this, &frmzBIRNIK::undoOrder);
    connect(m_orderMenu->redo(), &QAction::triggered, this, &frmzBIRNIK::redoOrder);
}

void frmzBIRNIK::warnOverCapacity()
{
    m_platform.prompts.message(
        QStringLiteral("Morate izbaciti neke datoteke. Velicina CD-a je %1 MB")
            .arg(qRound64(capacityBytes() / SizeText::kMebibyte)),
        QStringLiteral("Previse datoteka izabrano"), MessageIcon::Critical);
}

// Over the capacity both order total labels are red; otherwise they have the normal label
// text colour.
void frmzBIRNIK::showOrderCapacity(bool over)
{
    for (QLabel* label : {lblUkupnoVrijeme, lblCDNarucen_Vrijeme})
        setTextColour(label, over ? overCapacityRed() : palette().color(QPalette::ButtonText));
}

// Rows that an undo or a redo put back are selected, the first is current and in view, so
// that removing works on them at once.
void frmzBIRNIK::selectOrderRows(const QList<int>& ascendingPositions)
{
    const QAbstractItemModel* rows = m_order.itemModel();
    QItemSelection selection;
    for (qsizetype start = 0; start < ascendingPositions.size();) {
        qsizetype end = start;
        while (end + 1 < ascendingPositions.size() &&
               ascendingPositions[end + 1] == ascendingPositions[end] + 1)
            ++end;
        selection.select(rows->index(ascendingPositions[start], 0),
                         rows->index(ascendingPositions[end], 0));
        start = end + 1;
    }
    QItemSelectionModel* selected = lstCDNarucen->selectionModel();
    const QModelIndex first = rows->index(ascendingPositions.first(), 0);
    selected->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selected->select(selection, QItemSelectionModel::ClearAndSelect);
    lstCDNarucen->scrollTo(first);
}
