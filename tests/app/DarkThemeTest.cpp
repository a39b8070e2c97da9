#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/FormColours.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmOpcije.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QTest>

namespace {

// A dark desktop theme: light text on near-black, as Fusion's dark palettes have it.
QPalette darkPalette()
{
    const QColor window(53, 53, 53), text(235, 235, 235);
    QPalette dark(text, window, QColor(80, 80, 80), QColor(25, 25, 25), QColor(40, 40, 40), text,
                  Qt::white, QColor(30, 30, 30), window);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

// Every shown, enabled control with a text: its text colour against its own background.
QStringList unreadable(const QWidget* window)
{
    QStringList faults;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const bool hasText =
            label ? !label->text().isEmpty()
                  : control->inherits("QAbstractButton") ||
                        control->inherits("QAbstractItemView") || control->inherits("QComboBox") ||
                        control->inherits("QLineEdit") || control->inherits("QGroupBox");
        if (!hasText || !control->isVisibleTo(window) || !control->isEnabled() ||
            control->isWindow())
            continue;
        const QPalette& colours = control->palette();
        const double ratio = contrastRatio(colours.color(control->foregroundRole()),
                                           colours.color(control->backgroundRole()));
        if (ratio < kReadableContrast)
            faults << QStringLiteral("%1 %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2);
    }
    return faults;
}

} // namespace

class DarkThemeTest : public QObject
{
    Q_OBJECT

    QPalette m_desktop;

private slots:
    void init()
    {
        m_desktop = QApplication::palette();
        QApplication::setPalette(darkPalette());
    }
    void cleanup() { QApplication::setPalette(m_desktop); }

    void contrastIsMeasuredAsLuminanceRatio()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
        QVERIFY(contrastRatio(overCapacityRed(), formPalette().color(QPalette::Window)) >=
                kReadableContrast);
        QVERIFY(contrastRatio(Qt::black, darkPalette().color(QPalette::Window)) < 2);
    }

    // The details of a song (colour 0) and of a clip (colour 64), the totals within and over
    // the capacity: every text of the main window reads on its background.
    void mainWindowReadsUnderADarkTheme()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\m\\pjesma.mp3,400.0000", "D:\\v\\spot.DAT,300.0000"}});
        frmzBIRNIK& w = shop.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        w.lstCD->setCurrentIndex(w.files().index(0, 0));
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("pjesma.mp3"));
        QVERIFY2(unreadable(&w).isEmpty(), qPrintable(unreadable(&w).join(u' ')));
        w.lstCD->setCurrentIndex(w.files().index(1, 0));
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("spot.DAT"));
        QVERIFY2(unreadable(&w).isEmpty(), qPrintable(unreadable(&w).join(u' ')));
        w.cmdDodajSve_Click();
        QVERIFY(w.order().overCapacity());
        QVERIFY2(unreadable(&w).isEmpty(), qPrintable(unreadable(&w).join(u' ')));
    }

    void dialogsReadUnderADarkTheme()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\m\\pjesma.mp3,001.0000"}});
        frmzBIRNIK& w = shop.start();
        w.cmdNadji_Click();
        frmAbout about(shop.urls);
        for (const QWidget* dialog :
             std::initializer_list<const QWidget*>{w.options(), w.findDialog(), &about})
            QVERIFY2(unreadable(dialog).isEmpty(), qPrintable(unreadable(dialog).join(u' ')));
    }
};

ZBIRNIK_TEST(DarkThemeTest)
#include "DarkThemeTest.moc"
