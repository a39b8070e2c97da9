// Long work off the window's thread: the progress dialog, cancelling it, and commands that
// arrive while the work runs.
#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace {

// Runs an action, once, when the progress dialog of the next long work appears: the work
// is still running then, whatever its speed.
class WhenProgressShows : public QObject
{
public:
    explicit WhenProgressShows(std::function<void(QProgressDialog*)> action)
        : m_action(std::move(action))
    {
        qApp->installEventFilter(this);
    }
    bool shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (progress && event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            m_action(progress);
        }
        return false;
    }

private:
    std::function<void(QProgressDialog*)> m_action;
    bool m_shown = false;
};

void clickOtkazi(QProgressDialog* progress)
{
    QPushButton* otkazi = progress->findChild<QPushButton*>();
    QCOMPARE(otkazi->text(), QStringLiteral("Otkazi"));
    otkazi->click();
}

QStringList listing(const QString& disk, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("D:\\%1\\pjesma %2.mp3,001.0000").arg(disk).arg(i);
    return lines;
}

} // namespace

class BackgroundWorkTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { BackgroundWork::timing() = {0, 0}; }
    void cleanup() { BackgroundWork::timing() = {}; }

    // Cancelling a load, a search or an open leaves every list, label and the chooser as
    // they were.
    void cancellingKeepsTheLists()
    {
        MainWindowFixture f;
        f.writeShop({listing(QStringLiteral("prvi"), 3), listing(QStringLiteral("drugi"), 5)});
        BackgroundWork::timing() = {};
        frmzBIRNIK& w = f.start();
        BackgroundWork::timing() = {0, 0};
        w.order().add({{QStringLiteral("CD 009: x.mp3"), QStringLiteral("D:\\x.mp3"),
                        QStringLiteral("001.0000")}});
        const QList<FileRow> files = w.files().rows();
        const QList<FileRow> order = w.order().model().rows();
        const QString information = w.lblInformation[0]->text();

        {
            WhenProgressShows cancel(clickOtkazi);
            w.cmbCDovi->setCurrentIndex(1);
            w.cmbCDovi_Click();
            QVERIFY(cancel.shown());
        }
        QCOMPARE(w.cmbCDovi->currentIndex(), 0);

        w.cmdNadji_Click();
        frmNadji& find = *w.findDialog();
        find.txtNadji->setText(QStringLiteral("pjesma"));
        {
            WhenProgressShows cancel(clickOtkazi);
            find.cmdNadji_Click();
            QVERIFY(cancel.shown());
        }
        QVERIFY(find.isVisible());
        QVERIFY(!w.cmdNadjiSve->isEnabled());

        const QString orderFile = writeTestFile(f.path(), QStringLiteral("stara.txt"),
                                                "\"CD 001\",\"D:\\a.mp3\",\"1\"\r\n");
        f.dialogs.files = {orderFile};
        {
            WhenProgressShows cancel(clickOtkazi);
            w.cmdOpen_Click();
            QVERIFY(cancel.shown());
        }

        QCOMPARE(w.files().rows(), files);
        QCOMPARE(w.order().model().rows(), order);
        QCOMPARE(w.lblInformation[0]->text(), information);
        QVERIFY(f.prompts.shown.isEmpty());

        // A cancelled "Resetuj listu" keeps the results, and the way back to the source CD.
        find.cmdNadji_Click();
        QVERIFY(w.cmdNadjiSve->isEnabled());
        const QList<FileRow> found = w.files().rows();
        {
            WhenProgressShows cancel(clickOtkazi);
            w.cmdNadjiSve_Click();
            QVERIFY(cancel.shown());
        }
        QCOMPARE(w.files().rows(), found);
        QVERIFY(w.cmdNadjiSve->isEnabled());
        QCOMPARE(w.lblInformation[0]->text(), QStringLiteral("Nadjeno : 3 datoteka"));
    }

    // Cancelling the first load at start-up shows the empty list's lines, as a listing that
    // cannot be read does.
    void cancellingTheFirstLoadShowsTheEmptyList()
    {
        MainWindowFixture f;
        f.writeShop({listing(QStringLiteral("prvi"), 3)});
        WhenProgressShows cancel(clickOtkazi);
        frmzBIRNIK& w = f.start();
        QVERIFY(cancel.shown());
        QCOMPARE(w.files().count(), 0);
        QCOMPARE(w.lblInformation[0]->text(), QStringLiteral("Ukupno datoteka na CD-u : 0"));
        QCOMPARE(w.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 000.0000"));
    }

    // "Otkazi" frees the window at once, even from work caught where it never looks at its
    // flag; that work ends on its own later, and the next long work waits for it first.
    void cancelDoesNotWaitForTheWork()
    {
        QWidget window;
        auto started = std::make_shared<std::atomic<bool>>(false);
        auto release = std::make_shared<std::atomic<bool>>(false);
        auto firstEnded = std::make_shared<std::atomic<bool>>(false);
        QElapsedTimer sinceCancel;
        bool completed = true;
        {
            WhenProgressShows cancel([&](QProgressDialog* progress) {
                while (!*started)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                sinceCancel.start();
                clickOtkazi(progress);
            });
            completed =
                BackgroundWork::run(&window, {}, [started, release, firstEnded](WorkControl&) {
                    *started = true;
                    while (!*release)
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    *firstEnded = true;
                });
            QVERIFY(cancel.shown());
        }
        const qint64 waitedMs = sinceCancel.elapsed();
        QVERIFY(!completed);
        QVERIFY2(waitedMs < 100, qPrintable(QString::number(waitedMs)));
        QVERIFY(BackgroundWork::abandonedWorkRunning());

        *release = true;
        auto sawFirstEnded = std::make_shared<bool>(false);
        QVERIFY(BackgroundWork::run(&window, {}, [firstEnded, sawFirstEnded](WorkControl&) {
            *sawFirstEnded = *firstEnded;
        }));
        QVERIFY(*sawFirstEnded);
        QVERIFY(!BackgroundWork::abandonedWorkRunning());

        // Work that runs until it is told to stop hears "Otkazi" and ends.
        auto loopStarted = std::make_shared<std::atomic<bool>>(false);
        auto loopEnded = std::make_shared<std::atomic<bool>>(false);
        {
            WhenProgressShows cancel([&](QProgressDialog* progress) {
                while (!*loopStarted)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                clickOtkazi(progress);
            });
            QVERIFY(
                !BackgroundWork::run(&window, {}, [loopStarted, loopEnded](WorkControl& control) {
                    *loopStarted = true;
                    while (!control.isCancelled())
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    *loopEnded = true;
                }));
            QVERIFY(cancel.shown());
        }
        QTRY_VERIFY(*loopEnded);
        QTRY_VERIFY(!BackgroundWork::abandonedWorkRunning());
    }

    // "Dodaj Sve" or another source CD asked for while a listing loads waits for the load:
    // it never sees a half-filled list, and the two loads never mix their rows.
    void commandsWaitForTheWork()
    {
        MainWindowFixture f;
        f.writeShop({listing(QStringLiteral("prvi"), 3), listing(QStringLiteral("drugi"), 400),
                     listing(QStringLiteral("treci"), 2)});
        frmzBIRNIK& w = f.start();
        {
            WhenProgressShows meanwhile([&](QProgressDialog*) { w.cmdDodajSve_Click(); });
            w.cmbCDovi->setCurrentIndex(1);
            w.cmbCDovi_Click();
            QVERIFY(meanwhile.shown());
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w.order().count(), 400);
        QCOMPARE(w.order().model().at(399).text, QStringLiteral("CD 002: pjesma 399.mp3"));

        {
            WhenProgressShows meanwhile([&](QProgressDialog*) {
                w.cmbCDovi->setCurrentIndex(2);
                w.cmbCDovi_Click();
            });
            w.cmbCDovi->setCurrentIndex(0);
            w.cmbCDovi_Click();
            QVERIFY(meanwhile.shown());
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.texts(w.files()), QStringList({"pjesma 0.mp3", "pjesma 1.mp3"}));
        QCOMPARE(w.files().at(1).fullPath, QStringLiteral("D:\\treci\\pjesma 1.mp3"));
        QCOMPARE(w.lblInformation[0]->text(), QStringLiteral("Ukupno datoteka na CD-u : 2"));
    }

    // A long batch of additions shows the same progress dialog; "Otkazi" stops the batch and
    // keeps what it had accepted.
    void longAddingShowsItsProgress()
    {
        MainWindowFixture f;
        f.writeShop({listing(QStringLiteral("prvi"), 3000)});
        frmzBIRNIK& w = f.start();
        qsizetype dialogsBehindTheBox = -1;
        f.prompts.whileShown = [&](const FakePrompts::Shown&) {
            dialogsBehindTheBox = w.findChildren<QProgressDialog*>().size();
        };
        {
            WhenProgressShows cancel(clickOtkazi);
            w.cmdDodajSve_Click();
            QVERIFY(cancel.shown());
        }
        QCOMPARE(w.order().count(), 1024);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("1024"));
        // Only the capacity warning, with the dialog gone: a cancelled batch is no full order.
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("Previse datoteka izabrano"));
        QCOMPARE(dialogsBehindTheBox, 0);
        // What it accepted is one step.
        w.order().undo();
        QCOMPARE(w.order().count(), 0);
    }

    // The longest file name a path can hold: the label shows what fits and keeps the whole
    // name.
    void hugeNameShowsElided()
    {
        MainWindowFixture f;
        const QString name = QString(32767 - 5 - 4, u'x') + QStringLiteral(".mp3");
        f.writeShop({{QStringLiteral("D:\\a\\") + name + QStringLiteral(",001.0000")}});
        frmzBIRNIK& w = f.start();
        w.lstCD->setCurrentIndex(w.files().index(0));
        QCOMPARE(w.lblPjesma->fullText(), name);
        QVERIFY(w.lblPjesma->text().size() < 1000);
        QVERIFY(w.lblPjesma->text().endsWith(u'\x2026'));
        QCOMPARE(w.lblVrijeme->text(), QStringLiteral("001.0000"));
    }
};

ZBIRNIK_TEST(BackgroundWorkTest)
#include "BackgroundWorkTest.moc"
