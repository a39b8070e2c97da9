// Closing the window with an order whose changes are not saved asks first; an empty or just
// saved order, and a session that is ending, close at once. What is left unsaved is kept for
// recovery only when the session ends.
#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QCoreApplication>
#include <QTest>

namespace {

const QString kQuestion = QStringLiteral("Narudzba nije sacuvana. Sacuvati je prije izlaza?");

// Takes a quit away from the application once the filters installed after it have seen it.
class QuitCatcher : public QObject
{
public:
    bool caught = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        caught = true;
        return true;
    }
};

} // namespace

class ExitQuestionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    frmzBIRNIK& startShown()
    {
        f = std::make_unique<MainWindowFixture>();
        f->writeShop({{"D:\\a.mp3,001.0000", "D:\\b.mp3,002.0000"}});
        frmzBIRNIK& w = f->start();
        w.show();
        return w;
    }

    // The buttons of the question, by position.
    enum Answer
    {
        Yes,
        No,
        Cancel
    };

    // Closes the window, answering the question (if one comes) with answer.
    bool closeAnswering(frmzBIRNIK& w, Answer answer)
    {
        f->prompts.choices = {answer};
        w.cmdIzlaz_Click();
        return !w.isVisible();
    }

    int questions() const
    {
        int count = 0;
        for (const FakePrompts::Shown& box : f->prompts.shown)
            count += box.text == kQuestion ? 1 : 0;
        return count;
    }

private slots:
    void cleanup() { f.reset(); }

    void emptyOrderClosesAtOnce()
    {
        frmzBIRNIK& w = startShown();
        QCOMPARE(w.windowTitle(), QStringLiteral("Zbirnik[*]"));
        QVERIFY(!w.isWindowModified());
        // Added and emptied again: nothing to lose.
        w.cmdDodajSve_Click();
        w.cmdIzbrisiSve_Click();
        QVERIFY(closeAnswering(w, Cancel));
        QVERIFY(f->prompts.shown.isEmpty());
    }

    void cancelKeepsTheOrderAndNoCloses()
    {
        frmzBIRNIK& w = startShown();
        w.cmdDodajSve_Click();
        QVERIFY(w.isWindowModified());
        QVERIFY(!closeAnswering(w, Cancel));
        QCOMPARE(f->prompts.shown.size(), 1);
        QCOMPARE(f->prompts.shown[0].text, kQuestion);
        QCOMPARE(f->prompts.shown[0].ownButtons, QStringList({"Yes", "No", "Cancel"}));
        QCOMPARE(f->prompts.shown[0].defaultButton, int(Yes));
        QCOMPARE(f->prompts.shown[0].escapeButton, int(Cancel));
        QCOMPARE(w.order().count(), 2);
        // "Ne" lets the order go: its recovery copy too.
        f->recovery.copy = QByteArray("kopija");
        QVERIFY(closeAnswering(w, No));
        QCOMPARE(questions(), 2);
        QVERIFY(f->dialogs.fileRequests.isEmpty());
        QVERIFY(!f->recovery.copy);
    }

    // Yes closes only after a save that succeeds.
    void yesClosesOnlyAfterASuccessfulSave()
    {
        frmzBIRNIK& w = startShown();
        w.cmdDodajSve_Click();
        f->dialogs.files = {std::nullopt};
        QVERIFY(!closeAnswering(w, Yes));
        QCOMPARE(f->dialogs.fileRequests.last().title, QStringLiteral("Sacuvajte PlayListu"));

        writeTestFile(f->path(), QStringLiteral("datoteka"), "x");
        f->dialogs.files = {f->path(QStringLiteral("datoteka/n.txt"))};
        QVERIFY(!closeAnswering(w, Yes));
        QCOMPARE(f->prompts.titles().last(), QStringLiteral("Greska"));
        QVERIFY(w.isWindowModified());

        const QString path = f->path(QStringLiteral("n.txt"));
        f->dialogs.files = {path};
        QVERIFY(closeAnswering(w, Yes));
        QCOMPARE(readTestFile(path), QByteArray("\"CD 001\",\"D:\\a.mp3\",\"001.0000\"\r\n"
                                                "\"CD 001\",\"D:\\b.mp3\",\"002.0000\"\r\n"));
    }

    // Saved, or opened into an empty order, the order is as its file has it; opened into
    // other items it is a new order.
    void savedOrOpenedOrdersCloseAtOnce()
    {
        frmzBIRNIK& w = startShown();
        w.cmdDodajSve_Click();
        const QString path = f->path(QStringLiteral("n.txt"));
        f->dialogs.files = {path, path, path};
        w.cmdSave_Click();
        QVERIFY(!w.isWindowModified());
        // Adding nothing but duplicates changes nothing.
        w.cmdDodajSve_Click();
        QVERIFY(!w.isWindowModified());
        w.cmdIzbrisiSve_Click();
        w.cmdOpen_Click();
        QCOMPARE(w.order().count(), 2);
        QVERIFY(!w.isWindowModified());
        w.cmdOpen_Click();
        QVERIFY(w.isWindowModified());
        QVERIFY(!closeAnswering(w, Cancel));
        QCOMPARE(questions(), 1);
    }

    // The session manager ends the program at logout with a quit sent to the application,
    // on which Qt closes every window: no question holds that up. The quit itself is kept
    // from the application here, since it would end every later event loop of the tests.
    void endingSessionIsNeverHeldUp()
    {
        QuitCatcher catcher;
        qApp->installEventFilter(&catcher);
        frmzBIRNIK& w = startShown();
        w.cmdDodajSve_Click();
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
        QVERIFY(catcher.caught);
        QVERIFY(w.close());
        QVERIFY(f->prompts.shown.isEmpty());
        // Nothing is lost: the order is copied for recovery at once.
        QCOMPARE(f->recovery.copy, QByteArray("\"CD 001\",\"D:\\a.mp3\",\"001.0000\"\r\n"
                                              "\"CD 001\",\"D:\\b.mp3\",\"002.0000\"\r\n"));
    }
};

ZBIRNIK_TEST(ExitQuestionTest)
#include "ExitQuestionTest.moc"
