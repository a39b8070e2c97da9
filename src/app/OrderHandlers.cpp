// Building the order: file details on selection, adding and removing.
#include "frmzBIRNIK.h"

#include "BatchQuestions.h"
#include "OrderFillBar.h"
#include "dialogs/frmOpcije.h"
#include "listings/FileKind.h"
#include "order/OrderAdding.h"
#include "orderfile/OrderFileReader.h"
#include "platform/Prompts.h"
#include "platform/qt/ColourValue.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QScopeGuard>
#include <algorithm>

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
    const QList<int> positions = selectedPositions(lstCD);
    addEntries({positions.size(), [&](qsizetype i) { return m_files.at(positions[i]); }});
}

void frmzBIRNIK::cmdDodajSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdDodajSve_Click))
        return;
    addEntries({m_files.count(), [this](qsizetype i) { return m_files.at(int(i)); }});
}

void frmzBIRNIK::addEntries(AddingEntries entries)
{
    BatchQuestions batch(m_platform.prompts, [&](const QString& message) { showError(message); });
    const int before = m_order.count();
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
            result =
                addToOrder(m_order, entries, cmbCDovi->currentIndex(), previous, batch.prompts());
        },
        QStringLiteral("dodavanje datoteka u narudzbu"));
    progress.finish();
    if (m_order.count() != before)
        orderChanged();
    showOrderCount();
    const SizeSum sum = SaberiVelicine(1, before);
    // The batch's closing lines follow the updated count and total.
    batch.reportSkipped();
    if (result.leftOut > 0) {
        const QString limit =
            result.fullBySize
                ? QStringLiteral("Sacuvana narudzba moze imati najvise %1 MB.")
                      .arg(kMaxOrderFileBytes >> 20)
                : QStringLiteral("Narudzba moze imati najvise %1 datoteka.").arg(kMaxOrderItems);
        m_platform.prompts.message(
            limit + QStringLiteral(" Nije dodano jos %1 datoteka.").arg(result.leftOut),
            QStringLiteral("Narudzba je puna"), MessageIcon::Information);
    }
    reportBadRows(m_order.model(), sum);
}

void frmzBIRNIK::showOrderCount()
{
    lblBrojNarucenih->setText(QString::number(m_order.count()));
}

void frmzBIRNIK::cmdIzbrisi_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisi_Click))
        return;
    if (!lstCDNarucen->currentIndex().isValid())
        return;
    const int before = m_order.count();
    guarded([&] { m_order.removeAt(selectedPositions(lstCDNarucen)); },
            QStringLiteral("brisanje datoteka iz narudzbe"));
    if (m_order.count() != before)
        orderChanged();
    showOrderCount();
    SaberiVelicine(1);
}

// The empty order is within the capacity again, so the next crossing warns.
void frmzBIRNIK::cmdIzbrisiSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdIzbrisiSve_Click))
        return;
    m_order.clear();
    orderChanged();
    showOrderCount();
    lblCDNarucen_Vrijeme->setText(SizeText::format(0));
    prgPopunjenost->showFill(0, m_capacity);
    setOrderTotalColour(false);
}
