// The commands that open the find, options and about dialogs, and the list reset.
#include "frmzBIRNIK.h"

#include "dialogs/frmAbout.h"
#include "dialogs/frmOpcije.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

// The find dialog is made on first use and afterwards only shown again, with its last
// text and choices; after its close box destroyed it, the next use makes a fresh one.
void frmzBIRNIK::cmdNadji_Click()
{
    if (!m_nadji) {
        FindTarget target;
        target.putanja = m_shared.Putanja;
        target.sourceCdCount = [this] { return cmbCDovi->count(); };
        target.selectedSourceCd = [this] { return cmbCDovi->currentIndex() + 1; };
        target.search = [this](const SearchRequest& request) {
            std::optional<SearchResult> result;
            // A search asked for while other work runs is not started.
            if (m_busy)
                return result;
            // The work owns its result: a cancelled search may end after the window
            // stopped waiting.
            auto found = std::make_shared<SearchResult>();
            if (offThread(
                    {QStringLiteral("Pretraga"), QStringLiteral("Pretrazujem liste CD-ova...")},
                    [found, request](WorkControl& control) {
                        *found = searchListings(request, &control);
                    }))
                result = std::move(*found);
            return result;
        };
        target.showFound = [this](SearchResult found) {
            m_files.setRows(std::move(found.rows));
            lblCD_Vrijeme->setText(SizeText::format(found.sum.bytes));
            cmdNadjiSve->setEnabled(true);
            lblInformation[0]->setText(QStringLiteral("Nadjeno : ") +
                                       QString::number(m_files.count()) +
                                       QStringLiteral(" datoteka"));
            lblInformation[1]->setText(QStringLiteral("Velicina nadjenih datoteka : ") +
                                       lblCD_Vrijeme->text());
            reportBadRows(m_files, found.sum,
                          found.leftOut > 0
                              ? QStringLiteral("Pretraga prikazuje prvih %1 nadjenih datoteka; "
                                               "jos %2 nije prikazano.")
                                    .arg(kMaxSearchRows)
                                    .arg(found.leftOut)
                              : QString());
        };
        target.showError = [this](const QString& text) { showError(text); };
        m_nadji = new frmNadji(std::move(target), this);
    }
    m_nadji->show();
    m_nadji->raise();
    m_nadji->activateWindow();
}

// Ends the search view: the selected source CD's listing comes back.
void frmzBIRNIK::cmdNadjiSve_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdNadjiSve_Click))
        return;
    cmdNadjiSve->setEnabled(false);
    // Cancelled: the results stay listed, and the way back to the source CD stays open.
    if (!showSelectedCd())
        cmdNadjiSve->setEnabled(true);
}

// The capacity applies once the dialog has closed: a choice that puts the order over it
// warns as an addition would.
void frmzBIRNIK::cmdOpcije_Click()
{
    m_opcije->exec();
    m_order.setCapacity(m_opcije->capacity());
}

// The about box is made for each showing and destroyed when it closes.
void frmzBIRNIK::cmdAbout_Click()
{
    frmAbout about(m_platform.urls, this);
    about.exec();
}
