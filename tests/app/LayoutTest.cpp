#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {

// Positions are kept in whole pixels and later steps read earlier ones back, so a value may
// stray from the exact twips by the rounding of the two steps it builds on.
constexpr double kPixel = 2 * Twips::kPerPixel;

struct Twip
{
    double left, top, width, height;
};

Twip twips(const QWidget* w)
{
    return {Twips::fromPixels(w->x()), Twips::fromPixels(w->y()), Twips::fromPixels(w->width()),
            Twips::fromPixels(w->height())};
}

// Sizes the client area so that the outer size is W x H twips (no frame offscreen).
void setOuterSize(frmzBIRNIK& window, double W, double H)
{
    window.resize(Twips::toPixels(W - 120), Twips::toPixels(H - 405));
    window.Form_Resize();
}

} // namespace

#define QCOMPARE_TWIPS(actual, expected)                                                           \
    QVERIFY2(qAbs((actual) - (expected)) <= kPixel,                                                \
             qPrintable(QStringLiteral("%1 is %2, expected %3")                                    \
                            .arg(QString::fromLatin1(#actual))                                     \
                            .arg(actual)                                                           \
                            .arg(expected)))

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void designSizeGivesTheDesignTable()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        const double W = 11460, H = 7440;
        setOuterSize(w, W, H);

        QCOMPARE_TWIPS(twips(w.lblNaslov).width, W);
        QCOMPARE_TWIPS(twips(w.lstCD).width, 4980.0);
        QCOMPARE_TWIPS(twips(w.lstCDNarucen).width, 4980.0);
        QCOMPARE_TWIPS(twips(w.cmbCDovi).width, 4980.0);
        QCOMPARE_TWIPS(twips(w.lstCD).height, 4940.0);
        for (QWidget* c : {static_cast<QWidget*>(w.cmdDodaj), static_cast<QWidget*>(w.cmdOpen),
                           static_cast<QWidget*>(w.lblVrijeme)})
            QCOMPARE_TWIPS(twips(c).left, 5180.0);
        QCOMPARE_TWIPS(twips(w.lstCDNarucen).left, 6280.0);
        QCOMPARE_TWIPS(twips(w.cmdProsli).left, 6280.0);
        QCOMPARE_TWIPS(twips(w.cmdIzlaz).left, 10260.0);
        QCOMPARE_TWIPS(twips(w.cmdAbout).left, W - 2300);
        QCOMPARE_TWIPS(twips(w.cmdOpcije).left, W - 3400);
        QCOMPARE_TWIPS(twips(w.lblCDNarucen_Vrijeme).left, 10260.0);
        QCOMPARE_TWIPS(twips(w.lblUkupnoVrijeme).left + twips(w.lblUkupnoVrijeme).width,
                       twips(w.lblCDNarucen_Vrijeme).left - 50);
        const double listBottom = twips(w.lstCDNarucen).top + twips(w.lstCDNarucen).height;
        for (QLabel* l :
             {w.lblBrojN, w.lblBrojNarucenih, w.lblCDNarucen_Vrijeme, w.lblUkupnoVrijeme})
            QCOMPARE_TWIPS(twips(l).top, listBottom + 100);
        // The count fits the largest order, five digits, widened to the right only.
        QCOMPARE_TWIPS(twips(w.lblBrojNarucenih).left,
                       twips(w.lblBrojN).left + twips(w.lblBrojN).width + 100);
        QVERIFY(w.lblBrojNarucenih->width() >=
                w.lblBrojNarucenih->fontMetrics().horizontalAdvance(QStringLiteral("32767")));
        QCOMPARE_TWIPS(twips(w.lblInformation[0]).top, H - 1150);
        QCOMPARE_TWIPS(twips(w.lblInformation[1]).top, H - 950);
        QCOMPARE_TWIPS(twips(w.lblPjesma).top, H - 750);
        // What the rule never moves.
        QCOMPARE_TWIPS(twips(w.lblVrijeme).top, 6120.0);
        QCOMPARE_TWIPS(twips(w.cmdDodaj).top, 1800.0);
        QCOMPARE_TWIPS(twips(w.lstCD).left, 100.0);
        QVERIFY(!w.lblCD_Vrijeme->isVisibleTo(&w));
    }

    void wideningAndHeightening()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        setOuterSize(w, 11460, 7440);
        const Twip list = twips(w.lstCD), order = twips(w.lstCDNarucen), add = twips(w.cmdDodaj),
                   exit = twips(w.cmdIzlaz), total = twips(w.lblCDNarucen_Vrijeme),
                   info = twips(w.lblInformation[0]), detail = twips(w.lblVrijeme);

        setOuterSize(w, 13460, 7440);
        QCOMPARE_TWIPS(twips(w.lstCD).width, list.width + 1000);
        QCOMPARE_TWIPS(twips(w.cmdDodaj).left, add.left + 1000);
        QCOMPARE_TWIPS(twips(w.lstCDNarucen).left, order.left + 1000);
        QCOMPARE_TWIPS(twips(w.cmdIzlaz).left, exit.left + 2000);
        QCOMPARE_TWIPS(twips(w.lblCDNarucen_Vrijeme).left, total.left + 2000);
        QCOMPARE_TWIPS(twips(w.lblCDNarucen_Vrijeme).top, total.top);

        setOuterSize(w, 13460, 8440);
        QCOMPARE_TWIPS(twips(w.lstCD).height, list.height + 1000);
        QCOMPARE_TWIPS(twips(w.lblInformation[0]).top, info.top + 1000);
        QCOMPARE_TWIPS(twips(w.lblCDNarucen_Vrijeme).top, total.top + 1000);
        QCOMPARE_TWIPS(twips(w.lblVrijeme).top, detail.top);
        QCOMPARE_TWIPS(twips(w.cmdDodaj).top, add.top);
    }

    void minimisedWindowKeepsItsLayout()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        w.winId(); // a native window, so that it can be minimised
        setOuterSize(w, 11460, 7440);
        const QRect before = w.lstCDNarucen->geometry();
        w.setWindowState(Qt::WindowMinimized);
        setOuterSize(w, 4000, 3000);
        QCOMPARE(w.lstCDNarucen->geometry(), before);
        w.setWindowState(Qt::WindowNoState);
        setOuterSize(w, 11460, 7440);
        QCOMPARE(w.lstCDNarucen->geometry(), before);
    }

    // Made as small as it goes, no control lies over another or out of the window; the
    // banner and the file name at the foot span the outer width by design.
    void tinyWindowStopsWhereNothingOverlaps_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::newRow("tiny") << QSize(1, 1);
        QTest::newRow("narrow") << QSize(300, 700);
        QTest::newRow("low") << QSize(900, 200);
        QTest::newRow("design") << QSize(Twips::toPixels(11340), Twips::toPixels(7035));
    }
    void tinyWindowStopsWhereNothingOverlaps()
    {
        QFETCH(QSize, asked);
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        w.resize(asked);
        w.Form_Resize();
        QVERIFY(w.width() >= asked.width() || w.width() == w.minimumWidth());
        QVERIFY(w.height() >= asked.height() || w.height() == w.minimumHeight());
        QVERIFY(w.minimumWidth() <= Twips::toPixels(11340));
        QVERIFY(w.minimumHeight() <= Twips::toPixels(7035));

        QList<QWidget*> shown;
        for (QWidget* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child->isVisibleTo(&w))
                shown << child;
        }
        const int outerWidth = w.width() + Twips::toPixels(120);
        for (int i = 0; i < shown.size(); ++i) {
            const QRect place = shown[i]->geometry();
            const bool banner = shown[i] == w.lblNaslov || shown[i] == w.lblPjesma;
            QVERIFY2(place.left() >= 0 && place.top() >= 0 &&
                         place.right() < (banner ? outerWidth : w.width()) + 2 &&
                         place.bottom() < w.height() + 2,
                     qPrintable(shown[i]->objectName()));
            for (int j = i + 1; j < shown.size(); ++j) {
                QVERIFY2(!place.intersects(shown[j]->geometry()),
                         qPrintable(shown[i]->objectName() + QStringLiteral(" over ") +
                                    shown[j]->objectName()));
            }
        }
    }
};

ZBIRNIK_TEST(LayoutTest)
#include "LayoutTest.moc"
