// Building the order: file details on selection, adding and removing.
#include "frmzBIRNIK.h"

#include "BatchQuestions.h"
#include "FileListView.h"
#include "OrderFillBar.h"
#include "OrderMenu.h"
#include "dialogs/FormColours.h"
#include "dialogs/frmOpcije.h"
#include "listings/FileKind.h"
#include "order/OrderAdding.h"
#include "orderfile/OrderFileReader.h"
#include "platform/CountForms.h"
#include "platform/Prompts.h"
#include "platform/qt/ColourValue.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>

namespace {

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
    const QList<int> positions = selectedPositions(lstCD);
    addEntries({positions.size(), [&](qsizetype i) { return m_files.at(positions[i]); }}, cmdDodaj);
}

void frmzBIRNIK::cmdDodajSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdDodajSve_Click))
        return;
    addEntries({m_files.count(), [this](qsizetype i) { return m_files.at(int(i)); }}, cmdDodajSve);
}

void frmzBIRNIK::addEntries(AddingEntries entries, const QPushButton* button, int row)
{
    BatchQuestions batch(m_platform.prompts, [&](const QString& message) { showError(message); });
    AddingResult result;
    // Adding asks its questions on the window's thread, so a long batch shows its progress
    // from there, at the same moments as other long work.
    m_busy = true;
    const auto over = qScopeGuard([this] {
        m_busy = false;
        if (!m_waiting.isEmpty())
            QMetaObject::invokeMethod(this, &frmzBIRNIK::runWaitingCommands, Qt::QueuedConnection);
    });
    BackgroundWork::OnWindowThread progress(
        this, {QStringLiteral("Dodavanje"), QStringLiteral("Dodajem datoteke u narudzbu...")},
        entries.count);
    entries.progress = [&](qsizetype looked) { return progress.update(looked); };
    guarded(
        [&] {
            PreviousOrders previous{m_previousOrders,
                                    consultedPaths(m_shared.ProsliCD, m_shared.BrojProslihCD)};
            result = addToOrder(m_order, entries, cmbCDovi->currentIndex(), previous,
                                batch.prompts(), stepName(button), row);
        },
        QStringLiteral("dodavanje datoteka u narudzbu"));
    progress.finish();
    // The batch's closing lines follow the updated count and total.
    batch.reportSkipped();
    if (result.leftOut > 0) {
        const QString limit =
            result.fullBySize
                ? QStringLiteral("Sacuvana narudzba moze imati najvise %1 MB.")
                      .arg(kMaxOrderFileBytes >> 20)
                : QStringLiteral("Narudzba moze imati najvise %1 datoteka.").arg(kMaxOrderItems);
        m_platform.prompts.message(limit + u' ' +
                                       byCount(result.leftOut,
                                               QStringLiteral("Nije dodana jos %1 datoteka."),
                                               QStringLiteral("Nisu dodane jos %1 datoteke."),
                                               QStringLiteral("Nisu dodane jos %1 datoteka."))
                                           .arg(result.leftOut),
                                   QStringLiteral("Narudzba je puna"), MessageIcon::Information);
    }
    reportBadRows(m_order.model(), m_order.sizeSum());
}

void frmzBIRNIK::cmdIzbrisi_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisi_Click))
        return;
    if (!lstCDNarucen->currentIndex().isValid())
        return;
    guarded([&] { m_order.remove(selectedPositions(lstCDNarucen), stepName(cmdIzbrisi)); },
            QStringLiteral("brisanje datoteka iz narudzbe"));
}

void frmzBIRNIK::cmdIzbrisiSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisiSve_Click))
        return;
    guarded([&] { m_order.empty(stepName(cmdIzbrisiSve)); }, QStringLiteral("praznjenje narudzbe"));
}

void frmzBIRNIK::undoOrder()
{
    if (waitIfBusy(&frmzBIRNIK::undoOrder))
        return;
    guarded([&] { m_order.undo(); }, QStringLiteral("ponistavanje"));
}

void frmzBIRNIK::redoOrder()
{
    if (waitIfBusy(&frmzBIRNIK::redoOrder))
        return;
    guarded([&] { m_order.redo(); }, QStringLiteral("ponavljanje"));
}

// The window shows what the order reports; it keeps no state of the order of its own.
void frmzBIRNIK::connectOrder()
{
    connect(&m_order, &OrderDocument::countChanged, lblBrojNarucenih,
            [this](int count) { lblBrojNarucenih->setText(QString::number(count)); });
    connect(&m_order, &OrderDocument::totalChanged, this, &frmzBIRNIK::showOrderTotal);
    connect(&m_order, &OrderDocument::capacityExceeded, this, &frmzBIRNIK::warnOverCapacity);
    connect(&m_order, &OrderDocument::overCapacityChanged, this, &frmzBIRNIK::showOrderCapacity);
    connect(&m_order, &OrderDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_order, &OrderDocument::rowsPutBack, this,
            [this](const QList<int>& positions) { selectOrderRows(positions); });
    m_orderMenu = new OrderMenu(m_order, lstCDNarucen, this, cmdIzbrisi, cmdIzbrisiSve);
    connect(m_orderMenu->remove(), &QAction::triggered, this, &frmzBIRNIK::cmdIzbrisi_Click);
    connect(m_orderMenu->removeAll(), &QAction::triggered, this, &frmzBIRNIK::cmdIzbrisiSve_Click);
    connect(m_orderMenu->moveUp(), &QAction::triggered, this, &frmzBIRNIK::moveOrderUp);
    connect(m_orderMenu->moveDown(), &QAction::triggered, this, &frmzBIRNIK::moveOrderDown);
    connect(m_orderMenu->undo(), &QAction::triggered, this, &frmzBIRNIK::undoOrder);
    connect(m_orderMenu->redo(), &QAction::triggered, this, &frmzBIRNIK::redoOrder);
}

// The total in figures, in words for screen readers, and against the capacity in the bar.
void frmzBIRNIK::showOrderTotal()
{
    const double bytes = m_order.sizeSum().bytes;
    lblCDNarucen_Vrijeme->setText(SizeText::format(bytes));
    describeCapacity(bytes);
    prgPopunjenost->showFill(bytes, m_order.capacity());
}

void frmzBIRNIK::warnOverCapacity()
{
    m_platform.prompts.message(
        QStringLiteral("Morate izbaciti neke datoteke. Velicina CD-a je %1 MB")
            .arg(m_order.capacity().megabytes),
        QStringLiteral("Previse datoteka izabrano"), MessageIcon::Critical);
}

// Over the capacity both order total labels are red; otherwise they have the normal label
// text colour.
void frmzBIRNIK::showOrderCapacity(bool over)
{
    for (QLabel* label : {lblUkupnoVrijeme, lblCDNarucen_Vrijeme})
        setTextColour(label, over ? overCapacityRed() : palette().color(QPalette::ButtonText));
}

// Rows that an undo or a redo put back, or that moved, are selected, the first (or current)
// is current and in view, so that removing works on them at once.
void frmzBIRNIK::selectOrderRows(const QList<int>& ascendingPositions, int current)
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
    const QModelIndex first = rows->index(current < 0 ? ascendingPositions.first() : current, 0);
    selected->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selected->select(selection, QItemSelectionModel::ClearAndSelect);
    lstCDNarucen->scrollTo(first);
}
