// The commands that open the find, options and about dialogs, and the list reset.
#include "frmzBIRNIK.h"

#include "dialogs/frmAbout.h"
#include "dialogs/frmOpcije.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

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
            if (!offThread(
                    {QStringLiteral("Pretraga"), QStringLiteral("Pretrazujem liste CD-ova...")},
                    [&](WorkControl& control) { result = searchListings(request, &control); }))
                result.reset();
            return result;
        };
        target.showFound = [this](PackedRows rows) {
            m_files.setRows(std::move(rows));
            const SizeSum sum = SaberiVelicine(0);
            cmdNadjiSve->setEnabled(true);
            lblInformation[0]->setText(QStringLiteral("Nadjeno : ") +
                                       QString::number(m_files.count()) +
                                       QStringLiteral(" datoteka"));
            lblInformation[1]->setText(QStringLiteral("Velicina nadjenih datoteka : ") +
                                       lblCD_Vrijeme->text());
            reportInvalidSizes(m_files, sum.invalidPositions);
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
    cmbCDovi_Click();
}

// The capacity applies once the dialog has closed: a choice that puts the order over it
// warns as an addition would.
void frmzBIRNIK::cmdOpcije_Click()
{
    m_opcije->exec();
    if (m_opcije->capacity() == m_capacity)
        return;
    m_capacity = m_opcije->capacity();
    SaberiVelicine(1);
}

// The about box is made for each showing and destroyed when it closes.
void frmzBIRNIK::cmdAbout_Click()
{
    frmAbout about(m_platform.urls, this);
    about.exec();
}
