#include "frmAbout.h"

#include "ActivatableLabel.h"
#include "CentreOnScreen.h"
#include "DesignFont.h"
#include "FixedDialog.h"
#include "FormColours.h"
#include "Twips.h"
#include "platform/UrlOpener.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

// Made-up addresses: the program names no real shop or maker.
const QString frmAbout::kShopAddress = QStringLiteral("http://cd.example.org");
const QString frmAbout::kContactAddress = QStringLiteral("prodaja@cd.example.org");
const QString frmAbout::kMakerAddress = QStringLiteral("http://dev.example.org");

namespace {

// The system colours stand for their shade; each is made just dark enough to be read.
void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, readableOn(colour, colours.color(QPalette::Window)));
    label->setPalette(colours);
}

} // namespace

frmAbout::frmAbout(UrlOpener& urls, QWidget* parent) : QDialog(parent), m_urls(urls)
{
    setUpFixedDialog(this, QStringLiteral("frmAbout"), QStringLiteral("O Programu"), 5880, 2835);
    setModal(true);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/about16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/about.png"), QSize(32, 32));
    setWindowIcon(icon);
    setMouseTracking(true);
    installEventFilter(this);

    lbl = addLink(QStringLiteral("lbl"),
                  QStringLiteral("Web prodavnicu mozete dobiti e-mailom na %1 ili telefonom na "
                                 "broj 000 123 456.")
                      .arg(kContactAddress),
                  0, 240, 5865, 390, &frmAbout::lbl_Click);
    lbl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl->setWordWrap(true);

    lblFirma =
        addLabel(QStringLiteral("lblFirma"), QStringLiteral("CD Zbirnik"), 720, 600, 2895, 555);
    lblFirma->setFont(designFont(24, true, true));
    setTextColour(lblFirma, palette().color(QPalette::Dark));

    lblVerzija = addLabel(QStringLiteral("lblVerzija"),
                          QStringLiteral("Verzija ") + QCoreApplication::applicationVersion(), 3720,
                          660, 1935, 255);
    lblVerzija->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label1 = addLink(QStringLiteral("Label1"), kShopAddress, 2400, 960, 3255, 300,
                     &frmAbout::Label1_Click);
    Label1->setFont(designFont(12));
    setTextColour(Label1, palette().color(QPalette::Highlight));

    lblBy =
        addLabel(QStringLiteral("lblBy"), QStringLiteral("A. i M. Primjer"), 120, 1080, 1770, 300);
    lblBy->setFont(designFont(12, false, true));

    // The separator counts as background: it lets the pointer through to the window.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Line1->setGeometry(Twips::toPixels(120), Twips::toPixels(1560) - 1, Twips::toPixels(5760 - 120),
                       2);

    lblMade =
        addLabel(QStringLiteral("lblMade"), QStringLiteral("Made with:"), 120, 1680, 1365, 300);
    lblMade->setFont(designFont(12, true));
    // The platform has no title bar colour; a darker highlight stands in for it.
    const QColor titleColour = palette().color(QPalette::Highlight).darker(150);
    setTextColour(lblMade, titleColour);

    lblMadeFirma = addLabel(QStringLiteral("lblMadeFirma"), QStringLiteral("Primjer Softver"), 120,
                            1800, 4905, 435);
    lblMadeFirma->setFont(designFont(17.25, true, true));
    // Its label lies under "Made with:"; the text keeps to the right, clear of it.
    lblMadeFirma->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setTextColour(lblMadeFirma, palette().color(QPalette::Dark));

    Label2 =
        addLabel(QStringLiteral("Label2"), QStringLiteral("Iva Izmislic"), 3720, 2160, 1095, 195);

    lblWebMade = addLink(QStringLiteral("lblWebMade"), kMakerAddress, 1080, 2280, 2640, 300,
                         &frmAbout::lblWebMade_Click);
    lblWebMade->setFont(designFont(12, false, true));
    setTextColour(lblWebMade, titleColour);

    for (QLabel* link : {lbl, Label1, lblWebMade})
        link->setCursor(Qt::PointingHandCursor);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    Twips::place(cmdOK, 4800, 2400, 1000, 400);
    // "&OK" both confirms and cancels: Enter and Esc close the box.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus();
    // The links follow "&OK" in the design's order.
    setTabOrder(cmdOK, Label1);
    setTabOrder(Label1, lblWebMade);
    setTabOrder(lblWebMade, lbl);

    centreOnScreen(this);
}

QLabel* frmAbout::addLabel(const QString& name, const QString& text, double left, double top,
                           double width, double height)
{
    return placed(new QLabel(this), name, text, left, top, width, height);
}

// A link stays a plain label with its own colours (a rich-text anchor would bring the style's
// link colour and underline); the keyboard reaches it and follows it as a click does.
ActivatableLabel* frmAbout::addLink(const QString& name, const QString& text, double left,
                                    double top, double width, double height,
                                    void (frmAbout::*follow)())
{
    auto* link =
        placed(new ActivatableLabel(QAccessible::Link, this), name, text, left, top, width, height);
    connect(link, &ActivatableLabel::activated, this, follow);
    return link;
}

template <typename Label>
Label* frmAbout::placed(Label* label, const QString& name, const QString& text, double left,
                        double top, double width, double height)
{
    label->setText(text);
    label->setObjectName(name);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    Twips::place(label, left, top, width, height);
    return label;
}

void frmAbout::Label1_Click()
{
    m_urls.open(kShopAddress);
}

void frmAbout::lbl_Click()
{
    m_urls.open(QStringLiteral("mailto:") + kContactAddress);
}

void frmAbout::lblWebMade_Click()
{
    m_urls.open(kMakerAddress);
}

void frmAbout::pointerOver(QWidget* child)
{
    if (child == cmdOK)
        return;
    if (child == Label1 || child == lbl || child == lblWebMade) {
        // A link underlines itself and leaves the other two as they are.
        setUnderlined(static_cast<QLabel*>(child), true);
        return;
    }
    for (QLabel* link : {Label1, lbl, lblWebMade})
        setUnderlined(link, false);
}

void frmAbout::setUnderlined(QLabel* label, bool underlined)
{
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

// Movements seen by the window or by a label are judged by the control under the pointer,
// so a movement a label passes on to the window gives the same answer.
bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != this && widget->parentWidget() != this))
        return QDialog::eventFilter(watched, event);
    const bool move = event->type() == QEvent::MouseMove;
    if (!move && event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (move) {
        const QPoint position = widget->mapTo(this, mouse->position().toPoint());
        pointerOver(childAt(position));
    } else if (mouse->button() == Qt::LeftButton &&
               widget->rect().contains(mouse->position().toPoint())) {
        if (widget == Label1)
            Label1_Click();
        else if (widget == lbl)
            lbl_Click();
        else if (widget == lblWebMade)
            lblWebMade_Click();
    }
    return QDialog::eventFilter(watched, event);
}
