#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QLabel>
#include <QTest>

namespace {

QList<FileRow> sampleOrder()
{
    return {
        {QStringLiteral("CD 001: x.mp3"), QStringLiteral("D:\\a\\x.mp3"),
         QStringLiteral("004.0512")},
        {QStringLiteral("CD 002: \u010Dovjek.DAT"), QStringLiteral("E:\\v\\\u010Dovjek.DAT"),
         QStringLiteral("100.0000")},
    };
}

} // namespace

class OrderFileCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    // Save, empty, open: the same rows, count and total; opening again appends them again.
    void roundTrip()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        w.order().add(sampleOrder());
        const QString total = w.lblCDNarucen_Vrijeme->text();
        const QString path = f.path(QStringLiteral("nova narudzba"));

        f.dialogs.files = {path, path, path};
        w.cmdSave_Click();
        const FileDialogRequest& save = f.dialogs.fileRequests.at(0);
        QCOMPARE(save.kind, FileDialogKind::Save);
        QCOMPARE(save.title, QStringLiteral("Sacuvajte PlayListu"));
        QCOMPARE(save.flags, 4102);
        QCOMPARE(save.filters.size(), 1);
        QCOMPARE(save.filters[0].description, QStringLiteral("Tekstualne datoteke (*.txt)"));
        QCOMPARE(save.filters[0].pattern, QStringLiteral("*.txt"));
        QVERIFY(QFile::exists(path)); // the name is used as given: no extension added

        w.order().empty();
        w.cmdOpen_Click();
        const FileDialogRequest& open = f.dialogs.fileRequests.at(1);
        QCOMPARE(open.kind, FileDialogKind::Open);
        QCOMPARE(open.title, QStringLiteral("Otvorite PlayListu"));
        QCOMPARE(open.flags, 4100);
        QCOMPARE(open.fileName, path); // the last name is kept
        QCOMPARE(w.order().model().rows(), sampleOrder());
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("2"));
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), total);

        w.cmdOpen_Click();
        QCOMPARE(w.order().model().rows(), sampleOrder() + sampleOrder());
        QVERIFY(w.order().contains(QStringLiteral("cd 001: X.MP3")));
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("4"));
        QVERIFY(f.prompts.shown.isEmpty());
    }

    // Cancelling the open dialog still refreshes the count; an empty order saves zero bytes;
    // Cancel or an empty name in the save dialog touches no file.
    void cancelAndEmptyNames()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        w.order().add(sampleOrder());
        w.cmdOpen_Click();
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("2"));
        QCOMPARE(w.order().count(), 2);

        const QString path = f.path(QStringLiteral("prazna.txt"));
        writeTestFile(f.path(), QStringLiteral("prazna.txt"), "stari sadrzaj");
        f.dialogs.files = {std::nullopt, QString()};
        w.cmdSave_Click();
        w.cmdSave_Click();
        QCOMPARE(readTestFile(path), QByteArray("stari sadrzaj"));

        w.order().empty();
        f.dialogs.files = {path};
        w.cmdSave_Click();
        QVERIFY(QFile::exists(path));
        QCOMPARE(readTestFile(path), QByteArray());
        QVERIFY(f.prompts.shown.isEmpty());
    }

    // A save that cannot be written and an open that cannot be read each say so once,
    // naming the file, and leave the order as it was.
    void failuresAreReported()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        w.order().add(sampleOrder());

        f.dialogs.files = {f.path(QStringLiteral("nema foldera/n.txt")),
                           f.path(QStringLiteral("nema.txt"))};
        w.cmdSave_Click();
        w.cmdOpen_Click();
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("Greska"));
        QCOMPARE(f.prompts.shown[0].icon, MessageIcon::Critical);
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("n.txt")));
        QVERIFY(f.prompts.shown[1].text.contains(QStringLiteral("nema.txt")));
        QCOMPARE(w.order().model().rows(), sampleOrder());
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("2"));

        // Opening past the 16-bit count adds nothing; reaching it exactly is accepted.
        QByteArray big;
        for (int i = 0; i < 32766; ++i)
            big += "\"CD 001\",\"D:\\a.mp3\",\"000.0001\"\r\n";
        const QString bigPath = writeTestFile(f.path(), QStringLiteral("velika.txt"), big);
        f.dialogs.files = {bigPath};
        w.cmdOpen_Click();
        QCOMPARE(f.prompts.shown.size(), 3);
        QVERIFY(f.prompts.shown[2].text.contains(QStringLiteral("velika.txt")));
        QCOMPARE(w.order().count(), 2);
        w.order().remove({0});
        f.dialogs.files = {bigPath};
        w.cmdOpen_Click();
        QCOMPARE(f.prompts.shown.size(), 3);
        QCOMPARE(w.order().count(), 32767);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("32767"));
    }

    // A play list that an editor saved with a byte-order mark and a blank last line opens
    // without a phantom item, and saves again as the program writes play lists.
    void editedPlayListOpensAndSavesAgain()
    {
        MainWindowFixture f;
        f.writeShop({{QStringLiteral("D:\\a\\x.mp3,001.0000")}});
        frmzBIRNIK& w = f.start();
        const QByteArray saved = "\"CD 001\",\"D:\\a\\x.mp3\",\"004.0512\"\r\n";
        const QString edited = writeTestFile(f.path(), QStringLiteral("uredjena.txt"),
                                             "\xEF\xBB\xBF" + saved + "\r\n");
        const QString again = f.path(QStringLiteral("ponovo.txt"));
        f.dialogs.files = {edited, again};
        w.cmdOpen_Click();
        QCOMPARE(f.texts(w.order().model()), QStringList{"CD 001: x.mp3"});
        w.cmdSave_Click();
        QCOMPARE(readTestFile(again), saved);
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

ZBIRNIK_TEST(OrderFileCommandsTest)
#include "OrderFileCommandsTest.moc"
