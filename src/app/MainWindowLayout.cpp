// The layout rule of the main window: run on every change of size, in twips.
#include "frmzBIRNIK.h"

#include "dialogs/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <cmath>

namespace {

// Each control's position and size read back in twips, as the control reports them.
double left(const QWidget* w)
{
    return Twips::fromPixels(w->x());
}
double top(const QWidget* w)
{
    return Twips::fromPixels(w->y());
}
double width(const QWidget* w)
{
    return Twips::fromPixels(w->width());
}
double height(const QWidget* w)
{
    return Twips::fromPixels(w->height());
}

void setLeft(QWidget* w, double twips)
{
    w->move(Twips::toPixels(twips), w->y());
}
void setTop(QWidget* w, double twips)
{
    w->move(w->x(), Twips::toPixels(twips));
}
// A size below zero is clamped at zero.
void setWidth(QWidget* w, double twips)
{
    w->resize(Twips::toPixels(qMax(0.0, twips)), w->height());
}
void setHeight(QWidget* w, double twips)
{
    w->resize(w->width(), Twips::toPixels(qMax(0.0, twips)));
}

// The design's border offsets: the client area stands 60 twips in from each side and
// 345 twips below the top outer edge, with a bottom border as wide as a side border.
constexpr double kBorderWidth = 120;
constexpr double kBorderHeight = 405;

} // namespace

// The least outer size, in twips, at which the layout rule puts no control over another and
// none out of the window. The left of "Opcije", W - 400 - the widths of the three buttons at
// the top right, stays right of "Otvorite stare CD-ove", which ends at W / 2 - 450 + the
// widths of "&Dodaj >" and its own; the button column, from W / 2 - 550, stays right of the
// information lines; the file name at the foot, from H - 750, stays below the file's size.
QSizeF frmzBIRNIK::minimumOuterSize() const
{
    // Positions are kept in whole pixels: each gap keeps room for their rounding.
    constexpr double gap = 2 * Twips::kPerPixel;
    const double topRow = 2 * (::width(cmdOpcije) + ::width(cmdAbout) + ::width(cmdIzlaz) +
                               ::width(cmdDodaj) + ::width(cmdProsli) - 50 + gap);
    double informationRight = 0;
    for (const QLabel* line : lblInformation)
        informationRight = qMax(informationRight, left(line) + ::width(line));
    const double buttonColumn = 2 * (informationRight + 550 + gap);
    return {qMax(topRow, buttonColumn), top(lblVrijeme) + ::height(lblVrijeme) + 750 + gap};
}

void frmzBIRNIK::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Restoring from minimised lays the window out again.
void frmzBIRNIK::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmzBIRNIK::Form_Resize()
{
    if (isMinimized())
        return;

    // The outer size; where the window system reports no frame (no window manager), the
    // design's border offsets stand in for it.
    const QRect frame = frameGeometry();
    const bool hasFrame = frame.size() != size();
    const double borderWidth = hasFrame ? Twips::fromPixels(frame.width() - width()) : kBorderWidth;
    const double borderHeight =
        hasFrame ? Twips::fromPixels(frame.height() - height()) : kBorderHeight;
    const QSizeF least = minimumOuterSize();
    setMinimumSize(int(std::ceil((least.width() - borderWidth) / Twips::kPerPixel)),
                   int(std::ceil((least.height() - borderHeight) / Twips::kPerPixel)));
    const double W = Twips::fromPixels(width()) + borderWidth;
    const double H = Twips::fromPixels(height()) + borderHeight;

    setWidth(lblNaslov, W);
    setWidth(lblPjesma, W);
    setWidth(lstCD, W / 2 - 750);
    setWidth(lstCDNarucen, W / 2 - 750);
    setWidth(cmbCDovi, W / 2 - 750);
    setLeft(cmdDodaj, ::width(lstCD) + left(lstCD) + 100);
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmdDodajSve, cmdIzbrisi, cmdIzbrisiSve, cmdNadji,
                                         cmdNadjiSve, cmdOpen, cmdSave, lblVrijeme})
        setLeft(control, left(cmdDodaj));
    setLeft(lstCDNarucen, ::width(cmdDodaj) + left(cmdDodaj) + 100);
    setLeft(cmdProsli, left(lstCDNarucen));
    setLeft(lblCDNarucen_Vrijeme, ::width(lstCDNarucen) + left(lstCDNarucen) - 1000);
    setLeft(lblUkupnoVrijeme, left(lblCDNarucen_Vrijeme) - 50 - ::width(lblUkupnoVrijeme));
    setLeft(lblBrojN, left(lstCDNarucen));
    setLeft(lblBrojNarucenih, ::width(lblBrojN) + left(lblBrojN) + 100);
    setLeft(cmdIzlaz, W - ::width(cmdIzlaz) - 200);
    setLeft(cmdAbout, left(cmdIzlaz) - ::width(cmdAbout) - 100);
    setLeft(cmdOpcije, left(cmdAbout) - ::width(cmdOpcije) - 100);
    setHeight(lstCD, H - 2500);
    setHeight(lstCDNarucen, H - 2500);
    for (QWidget* control : std::initializer_list<QWidget*>{lblBrojN, lblBrojNarucenih,
                                                            lblCDNarucen_Vrijeme, lblUkupnoVrijeme})
        setTop(control, ::height(lstCDNarucen) + top(lstCDNarucen) + 100);
    setTop(lblInformation[0], ::height(lstCD) + top(lstCD) + 50);
    setTop(lblInformation[1], top(lblInformation[0]) + 200);
    setTop(lblPjesma, top(lblInformation[1]) + 200);
}
