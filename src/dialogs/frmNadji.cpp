#include "frmNadji.h"

#include "CentreOnScreen.h"
#include "DesignFont.h"
#include "FixedDialog.h"
#include "Twips.h"
#include "listings/ListingSearch.h"
#include "platform/ZbirnikError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmNadji::frmNadji(FindTarget target, QWidget* parent)
    : QDialog(parent), m_target(std::move(target))
{
    setUpFixedDialog(this, QStringLiteral("frmNadji"), QStringLiteral("Pronadjite datoteku"), 5985,
                     1995);
    setModal(false);

    lblNadj = new QLabel(QStringLiteral("Tekst za trazenje:"), this);
    lblNadj->setObjectName(QStringLiteral("lblNadj"));
    lblNadj->setFont(designFont(12));
    Twips::place(lblNadj, 120, 240, 1980, 300);

    txtNadji = new QLineEdit(this);
    txtNadji->setObjectName(QStringLiteral("txtNadji"));
    txtNadji->setFont(designFont(12));
    Twips::place(txtNadji, 2160, 200, 2655, 420);
    // The caption names the text box for assistive tools.
    lblNadj->setBuddy(txtNadji);

    cmdNadji = new QPushButton(QStringLiteral("Nadji"), this);
    cmdNadji->setObjectName(QStringLiteral("cmdNadji"));
    cmdNadji->setDefault(true);
    Twips::place(cmdNadji, 4920, 240, 1000, 400);
    connect(cmdNadji, &QPushButton::clicked, this, &frmNadji::cmdNadji_Click);

    cmdOtkazi = new QPushButton(QStringLiteral("Otkazi"), this);
    cmdOtkazi->setObjectName(QStringLiteral("cmdOtkazi"));
    // A focused "Otkazi" takes Enter; "Nadji" stays the default elsewhere.
    cmdOtkazi->setAutoDefault(true);
    Twips::place(cmdOtkazi, 4920, 720, 1000, 400);
    connect(cmdOtkazi, &QPushButton::clicked, this, &frmNadji::cmdOtkazi_Click);

    auto* scope = new QButtonGroup(this);
    const char* scopeCaptions[2] = {"Pretrazi trenutni CD", "Pretrazi sve CD-ove"};
    const double scopeLefts[2] = {120, 2400};
    const double scopeWidths[2] = {1815, 1935};
    for (int i = 0; i < 2; ++i) {
        optPretrazi[i] = new QRadioButton(QString::fromLatin1(scopeCaptions[i]), this);
        optPretrazi[i]->setObjectName(QStringLiteral("optPretrazi(%1)").arg(i));
        Twips::place(optPretrazi[i], scopeLefts[i], 840, scopeWidths[i], 195);
        scope->addButton(optPretrazi[i], i);
    }
    optPretrazi[0]->setChecked(true);

    fraVrstaDat = new QGroupBox(QStringLiteral("Pretrazi:"), this);
    fraVrstaDat->setObjectName(QStringLiteral("fraVrstaDat"));
    Twips::place(fraVrstaDat, 120, 1200, 5775, 735);
    const char* kindCaptions[2] = {"MP3 Pjesme", "Video Spotove"};
    const double kindLefts[2] = {120, 2280};
    const double kindWidths[2] = {1695, 1935};
    for (int i = 0; i < 2; ++i) {
        chkVrstaDat[i] = new QCheckBox(QString::fromLatin1(kindCaptions[i]), fraVrstaDat);
        chkVrstaDat[i]->setObjectName(QStringLiteral("chkVrstaDat(%1)").arg(i));
        chkVrstaDat[i]->setChecked(true);
        Twips::place(chkVrstaDat[i], kindLefts[i], 360, kindWidths[i], 195);
    }

    // The focus starts in the text box.
    setTabOrder(txtNadji, optPretrazi[0]);
    setTabOrder(optPretrazi[0], optPretrazi[1]);
    setTabOrder(optPretrazi[1], cmdNadji);
    setTabOrder(cmdNadji, cmdOtkazi);
    setTabOrder(cmdOtkazi, chkVrstaDat[0]);
    setTabOrder(chkVrstaDat[0], chkVrstaDat[1]);
}

// The pattern is checked before the file list is touched: an invalid text leaves the list
// as it was and the dialog open for a correction. Listing files that cannot be read are
// skipped and named together after the results are shown.
void frmNadji::cmdNadji_Click()
{
    SearchRequest request;
    request.putanja = m_target.putanja;
    request.text = txtNadji->text();
    request.scope = optPretrazi[0]->isChecked() ? SearchScope::selected(m_target.selectedSourceCd())
                                                : SearchScope::every(m_target.sourceCdCount());
    request.mp3State = chkVrstaDat[0]->isChecked() ? 1 : 0;
    request.videoState = chkVrstaDat[1]->isChecked() ? 1 : 0;

    std::optional<SearchResult> result;
    try {
        result = m_target.search ? m_target.search(request) : searchListings(request);
    } catch (const ZbirnikError& error) {
        m_target.showError(error.message());
        return;
    } catch (const std::bad_alloc&) {
        m_target.showError(
            QStringLiteral("Nema dovoljno memorije za pretragu; radnja nije zavrsena."));
        return;
    } catch (const std::exception& error) {
        m_target.showError(QString::fromLocal8Bit(error.what()));
        return;
    }
    // Cancelled: the file list stays as it was, and the dialog stays open.
    if (!result)
        return;
    hide();
    const QStringList problems = std::exchange(result->problems, {});
    m_target.showFound(std::move(*result));
    if (!problems.isEmpty())
        m_target.showError(describeSearchProblems(problems));
}

void frmNadji::cmdOtkazi_Click()
{
    hide();
}

// Each showing starts in the text box, whichever control had the focus when it was hidden.
void frmNadji::showEvent(QShowEvent* event)
{
    txtNadji->setFocus();
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    QDialog::showEvent(event);
}

// Only the close box ends the dialog; "Nadji", "Otkazi" and Esc merely hide it.
void frmNadji::closeEvent(QCloseEvent* event)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QDialog::closeEvent(event);
}
