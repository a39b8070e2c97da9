#include "dialogs/frmAbout.h"
#include "common/TestRegistry.h"
#include "fakes/FakeUrlOpener.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

class frmAboutTest : public QObject
{
    Q_OBJECT

    FakeUrlOpener m_urls;

    static void moveOver(QWidget* widget, QPoint at = {2, 2})
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    // A point of the label that no other control lies over (the labels overlap).
    static QPoint uncoveredPoint(const frmAbout& about, QLabel* label)
    {
        for (int y = 0; y < label->height(); ++y) {
            for (int x = 0; x < label->width(); ++x) {
                if (about.childAt(label->mapTo(&about, QPoint(x, y))) == label)
                    return {x, y};
            }
        }
        qFatal("%s is covered", qPrintable(label->objectName()));
    }

    static QList<bool> underlines(const frmAbout& about)
    {
        return {about.Label1->font().underline(), about.lbl->font().underline(),
                about.lblWebMade->font().underline()};
    }

private slots:
    void init() { m_urls = {}; }

    void hoverTable()
    {
        frmAbout about(m_urls);
        about.show();
        QCOMPARE(underlines(about), (QList<bool>{false, false, false}));

        // Each link underlines itself only; jumping between links leaves both underlined.
        moveOver(about.Label1);
        QCOMPARE(underlines(about), (QList<bool>{true, false, false}));
        moveOver(about.lblWebMade);
        QCOMPARE(underlines(about), (QList<bool>{true, false, true}));
        moveOver(about.lbl);
        QCOMPARE(underlines(about), (QList<bool>{true, true, true}));

        // The button changes nothing, though its movements reach the window.
        moveOver(about.cmdOK);
        QCOMPARE(underlines(about), (QList<bool>{true, true, true}));

        // A plain label clears every underline.
        for (QLabel* plain : {about.lblFirma, about.lblVerzija, about.lblBy, about.Label2,
                              about.lblMade, about.lblMadeFirma}) {
            moveOver(about.Label1);
            moveOver(plain, uncoveredPoint(about, plain));
            QVERIFY2(underlines(about) == (QList<bool>{false, false, false}),
                     qPrintable(plain->objectName()));
        }

        // So do the background and the separator line, which counts as background.
        moveOver(about.lbl);
        moveOver(&about, {2, 2});
        QCOMPARE(underlines(about), (QList<bool>{false, false, false}));
        moveOver(about.lblWebMade);
        moveOver(&about, about.Line1->geometry().center());
        QCOMPARE(underlines(about), (QList<bool>{false, false, false}));
    }

    // The version stands whole in a corner that no control of the design covers.
    void versionStandsClearOfTheDesign()
    {
        const QString version = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
        frmAbout about(m_urls);
        QCoreApplication::setApplicationVersion(version);
        QCOMPARE(about.lblVerzija->text(), QStringLiteral("Verzija 1.0.0"));
        QVERIFY(about.lblVerzija->sizeHint().width() <= about.lblVerzija->width());
        QVERIFY(about.rect().contains(about.lblVerzija->geometry()));
        for (QWidget* other : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != about.lblVerzija)
                QVERIFY2(!other->geometry().intersects(about.lblVerzija->geometry()),
                         qPrintable(other->objectName()));
        }
    }

    void linksOpenTheirTargetsAndTheBoxStays()
    {
        frmAbout about(m_urls);
        about.show();
        QTest::mouseClick(about.Label1, Qt::LeftButton);
        QTest::mouseClick(about.lbl, Qt::LeftButton);
        QTest::mouseClick(about.lblWebMade, Qt::LeftButton);
        // Plain labels open nothing.
        QTest::mouseClick(about.lblFirma, Qt::LeftButton);
        QCOMPARE(m_urls.opened, QStringList({about.Label1->text(),
                                             QStringLiteral("mailto:") + frmAbout::kContactAddress,
                                             about.lblWebMade->text()}));
        QVERIFY(about.lbl->text().contains(frmAbout::kContactAddress));
        QVERIFY(about.isVisible());
        // Addresses are made up: nothing real is ever opened.
        for (const QString& address : m_urls.opened)
            QVERIFY(address.contains(QStringLiteral("example.org")));

        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    // Tab reaches the links after "&OK", in the design's order; Enter and Space follow the
    // focused one, and the box stays. A screen reader's press follows it too.
    void linksFollowedFromTheKeyboard()
    {
        frmAbout about(m_urls);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.cmdOK);
        const QList<QWidget*> links{about.Label1, about.lblWebMade, about.lbl};
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), links[i]);
            QTest::keyClick(links[i], keys[i]);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.cmdOK);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.Label1);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_urls.opened, QStringList({frmAbout::kShopAddress, frmAbout::kMakerAddress,
                                             QStringLiteral("mailto:") + frmAbout::kContactAddress,
                                             frmAbout::kShopAddress}));
        QVERIFY(about.isVisible());
        // The links keep their colours: following one changes nothing of their look.
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText),
                 about.palette().color(QPalette::Highlight));
    }
};

ZBIRNIK_TEST(frmAboutTest)
#include "frmAboutTest.moc"
