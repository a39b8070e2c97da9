#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QTest>

class PreviousCdsCommandTest : public QObject
{
    Q_OBJECT
private slots:
    // One open dialog per CD, filling positions 1 to 3 in order; the last file name is
    // kept for the next dialog anywhere.
    void namesEachPreviousCd()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        f.prompts.inputs = {QStringLiteral("3")};
        f.dialogs.files = {QStringLiteral("/p/a.txt"), QStringLiteral("/p/b.txt"),
                           QStringLiteral("/p/c.txt")};
        w.cmdProsli_Click();

        QCOMPARE(f.prompts.inputRequests.at(0),
                 (QStringList{QStringLiteral("Unesite ukupni broj CD-ova"),
                              QStringLiteral("Broj CD-ova"), QStringLiteral("1")}));
        QCOMPARE(f.dialogs.fileRequests.size(), 3);
        for (int k = 1; k <= 3; ++k) {
            const FileDialogRequest& request = f.dialogs.fileRequests.at(k - 1);
            QCOMPARE(request.kind, FileDialogKind::Open);
            QCOMPARE(request.title, QStringLiteral("Otvorite stari CD %1").arg(k));
            QCOMPARE(request.fileName, QStringLiteral("CD %1").arg(k));
            QCOMPARE(request.flags, 4100);
        }
        QCOMPARE(w.shared().BrojProslihCD, 3);
        QCOMPARE(w.shared().ProsliCD, (QStringList{{},
                                                   QStringLiteral("/p/a.txt"),
                                                   QStringLiteral("/p/b.txt"),
                                                   QStringLiteral("/p/c.txt")}));
        w.cmdOpen_Click();
        QCOMPARE(f.dialogs.fileRequests.last().fileName, QStringLiteral("/p/c.txt"));

        // Cancel in the third dialog of a new series: nothing is consulted.
        f.prompts.inputs = {QStringLiteral("3")};
        f.dialogs.files = {QStringLiteral("/p/d.txt"), QStringLiteral("/p/e.txt"), std::nullopt};
        w.cmdProsli_Click();
        QCOMPARE(w.shared().BrojProslihCD, 0);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    // What each typed text does, starting from an earlier series of 2.
    void typedCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("pathsKept");
        QTest::newRow("0") << "0" << 0 << 0 << true;
        QTest::newRow("-2") << "-2" << -2 << 0 << true;
        QTest::newRow("spaces") << " 3 " << 3 << 3 << false;
        QTest::newRow("2.5") << "2.5" << 2 << 2 << false;
        QTest::newRow("3.5") << "3.5" << 4 << 4 << false;
        QTest::newRow("abc") << "abc" << 2 << 2 << false;
        QTest::newRow("40000") << "40000" << 2 << 2 << false;
        QTest::newRow("OK with empty text") << "" << 2 << 2 << false;
    }

    void typedCount()
    {
        QFETCH(QString, typed);
        QFETCH(int, count);
        QFETCH(int, dialogs);
        QFETCH(bool, pathsKept);
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        const QStringList earlier{{}, QStringLiteral("/old/1.txt"), QStringLiteral("/old/2.txt")};
        w.shared().ProsliCD = earlier;
        w.shared().BrojProslihCD = 2;

        f.prompts.inputs = {typed};
        for (int k = 1; k <= 4; ++k)
            f.dialogs.files.append(QStringLiteral("/new/%1.txt").arg(k));
        w.cmdProsli_Click();
        QCOMPARE(w.shared().BrojProslihCD, count);
        QCOMPARE(f.dialogs.fileRequests.size(), dialogs);
        if (pathsKept) {
            QCOMPARE(w.shared().ProsliCD, earlier);
        } else {
            QCOMPARE(w.shared().ProsliCD.size(), count + 1);
            QCOMPARE(w.shared().ProsliCD.last(), QStringLiteral("/new/%1.txt").arg(count));
        }
    }

    // Cancel in the input box ends the command with nothing changed, at the first use and
    // after an earlier series alike.
    void cancelChangesNothing()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        w.cmdProsli_Click();
        QCOMPARE(w.shared().BrojProslihCD, 0);
        QVERIFY(f.dialogs.fileRequests.isEmpty());

        const QStringList earlier{{}, QStringLiteral("/old/1.txt"), QStringLiteral("/old/2.txt")};
        w.shared().ProsliCD = earlier;
        w.shared().BrojProslihCD = 2;
        f.prompts.inputs = {std::nullopt};
        f.dialogs.files = {QStringLiteral("/new/1.txt"), QStringLiteral("/new/2.txt")};
        w.cmdProsli_Click();
        QCOMPARE(w.shared().BrojProslihCD, 2);
        QCOMPARE(w.shared().ProsliCD, earlier);
        QVERIFY(f.dialogs.fileRequests.isEmpty());
    }
};

ZBIRNIK_TEST(PreviousCdsCommandTest)
#include "PreviousCdsCommandTest.moc"
