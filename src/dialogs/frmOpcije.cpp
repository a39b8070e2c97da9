#include "frmOpcije.h"

#include "ActivatableLabel.h"
#include "Accessibility.h"
#include "CentreOnScreen.h"
#include "ColourSwatch.h"
#include "DesignFont.h"
#include "FixedDialog.h"
#include "Twips.h"
#include "platform/CommonDialog.h"
#include "platform/SettingsStore.h"
#include "platform/qt/ColourValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr double kSwatchLeft = 2520;
constexpr double kCapacityRowHeight = 480;

// What a screen reader says for the swatch of a kind, before its colour.
const char* const kColourNames[2] = {"Boja pjesama", "Boja spotova"};

} // namespace

frmOpcije::frmOpcije(CommonDialog& colourPicker, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_colourPicker(colourPicker), m_settings(settings)
{
    // The design's client area, made taller by the row of the capacity.
    setUpFixedDialog(this, QStringLiteral("frmOpcije"), QStringLiteral("Opcije"), 3690,
                     1875 + kCapacityRowHeight);
    setModal(true);

    fraIzlistaj = new QGroupBox(QStringLiteral("Izlistaj:"), this);
    fraIzlistaj->setObjectName(QStringLiteral("fraIzlistaj"));
    Twips::place(fraIzlistaj, 120, 120, 3495, 1215);

    const char* captions[2] = {"MP3 Pjesme i oboji ih u:", "Video Spotove i oboji ih u:"};
    const double checkLefts[2] = {360, 240};
    const double checkWidths[2] = {2055, 2175};
    const double tops[2] = {360, 720};
    const quint32 colours[2] = {0, 64};
    for (int i = 0; i < 2; ++i) {
        chkVrstaDat[i] = new QCheckBox(QString::fromLatin1(captions[i]), fraIzlistaj);
        chkVrstaDat[i]->setObjectName(QStringLiteral("chkVrstaDat(%1)").arg(i));
        chkVrstaDat[i]->setCheckState(Qt::Checked);
        Twips::place(chkVrstaDat[i], checkLefts[i], tops[i], checkWidths[i], 255);
        // The caption shows whole ("...oboji ih u:" with its colon), up to the swatch.
        chkVrstaDat[i]->resize(qBound(chkVrstaDat[i]->width(), chkVrstaDat[i]->sizeHint().width(),
                                      Twips::toPixels(kSwatchLeft - checkLefts[i])),
                               chkVrstaDat[i]->height());

        shpBoja[i] = new ColourSwatch(fraIzlistaj);
        shpBoja[i]->setObjectName(QStringLiteral("shpBoja(%1)").arg(i));
        shpBoja[i]->setFillColour(colours[i]);
        Twips::place(shpBoja[i], kSwatchLeft, tops[i], 855, 255);

        // A transparent label over the swatch takes the click, and Space or Enter once Tab
        // has given it the focus.
        lblColor[i] = new ActivatableLabel(QAccessible::Button, fraIzlistaj);
        lblColor[i]->setObjectName(QStringLiteral("lblColor(%1)").arg(i));
        lblColor[i]->setAttribute(Qt::WA_TranslucentBackground);
        lblColor[i]->setCursor(Qt::PointingHandCursor);
        Twips::place(lblColor[i], kSwatchLeft, tops[i], 855, 255);
        lblColor[i]->installEventFilter(this);
        connect(lblColor[i], &ActivatableLabel::activated, this, [this, i] { lblColor_Click(i); });
        nameColour(i);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    Twips::place(cmdOK, 2400, 1440, 1215, 375);
    connect(cmdOK, &QPushButton::clicked, this, &frmOpcije::cmdOK_Click);

    // The capacity of the blank CD, on a row of its own below the design's controls.
    lblKapacitet = new QLabel(QStringLiteral("Kapacitet CD-a:"), this);
    lblKapacitet->setObjectName(QStringLiteral("lblKapacitet"));
    Twips::place(lblKapacitet, 120, 1935, 1335, 315);
    cmbKapacitet = new QComboBox(this);
    cmbKapacitet->setObjectName(QStringLiteral("cmbKapacitet"));
    for (const DiscCapacity& choice : DiscCapacities::kChoices)
        cmbKapacitet->addItem(QStringLiteral("%1 MB").arg(choice.megabytes));
    Twips::place(cmbKapacitet, 1455, 1905, 1215, 345);
    lblKapacitet->setBuddy(cmbKapacitet);
    announceAsChooser(cmbKapacitet, QStringLiteral("Kapacitet CD-a"));

    setTabOrder(chkVrstaDat[0], chkVrstaDat[1]);
    setTabOrder(chkVrstaDat[1], cmdOK);
    // The swatches come after the design's stops.
    setTabOrder(cmdOK, lblColor[0]);
    setTabOrder(lblColor[0], lblColor[1]);
    setTabOrder(lblColor[1], cmbKapacitet);
}

int frmOpcije::kindState(int kind) const
{
    switch (chkVrstaDat[kind]->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    default:
        return 2;
    }
}

void frmOpcije::setKindState(int kind, int state)
{
    const Qt::CheckState states[3] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    chkVrstaDat[kind]->setCheckState(states[state]);
}

quint32 frmOpcije::colour(int kind) const
{
    return shpBoja[kind]->fillColour();
}

void frmOpcije::setColour(int kind, quint32 value)
{
    shpBoja[kind]->setFillColour(value);
    nameColour(kind);
}

void frmOpcije::nameColour(int kind)
{
    lblColor[kind]->setAccessibleName(QString::fromLatin1(kColourNames[kind]) +
                                      QStringLiteral(": ") + colourFromValue(colour(kind)).name());
}

DiscCapacity frmOpcije::capacity() const
{
    return DiscCapacities::kChoices[size_t(qMax(0, cmbKapacitet->currentIndex()))];
}

void frmOpcije::setCapacity(const DiscCapacity& capacity)
{
    const auto* choice =
        std::find(DiscCapacities::kChoices.begin(), DiscCapacities::kChoices.end(), capacity);
    cmbKapacitet->setCurrentIndex(int(choice - DiscCapacities::kChoices.begin()));
}

// A click on the label over a swatch chooses that kind's colour. Cancel keeps the colour.
void frmOpcije::lblColor_Click(int index)
{
    m_colourPicker.colour = colour(index);
    try {
        if (m_colourPicker.showColour() == CommonDialog::Result::Accepted)
            setColour(index, m_colourPicker.colour);
    } catch (const std::exception&) {
        // A failing picker leaves the swatch as it was.
    }
}

// The four options are written together, always in this order, and the capacity after them.
void frmOpcije::cmdOK_Click()
{
    m_settings.write(QStringLiteral("Boje"), QStringLiteral("1"), QString::number(colour(0)));
    m_settings.write(QStringLiteral("Boje"), QStringLiteral("2"), QString::number(colour(1)));
    m_settings.write(QStringLiteral("Izabrano"), QStringLiteral("1"),
                     QString::number(kindState(0)));
    m_settings.write(QStringLiteral("Izabrano"), QStringLiteral("2"),
                     QString::number(kindState(1)));
    m_settings.write(DiscCapacities::kSection, DiscCapacities::kKey,
                     DiscCapacities::stored(capacity()));
    // The chosen options stay live either way; only their storing failed.
    if (!m_settings.flush()) {
        emit settingsNotStored(
            QStringLiteral("Opcije nisu sacuvane u \"%1\"; vaze dok program radi.")
                .arg(QDir::toNativeSeparators(m_settings.location())));
    }
    accept();
}

void frmOpcije::reject()
{
    if (isVisible())
        restore(m_shownWith);
    QDialog::reject();
}

void frmOpcije::showEvent(QShowEvent* event)
{
    m_shownWith = current();
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    QDialog::showEvent(event);
}

bool frmOpcije::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < 2; ++i) {
            if (watched == lblColor[i] && mouse->button() == Qt::LeftButton &&
                lblColor[i]->rect().contains(mouse->position().toPoint())) {
                lblColor_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

frmOpcije::Options frmOpcije::current() const
{
    return {{colour(0), colour(1)}, {kindState(0), kindState(1)}, capacity()};
}

void frmOpcije::restore(const Options& options)
{
    for (int kind = 0; kind < 2; ++kind) {
        setColour(kind, options.colours[kind]);
        setKindState(kind, options.kindStates[kind]);
    }
    setCapacity(options.capacity);
}
