// At start, the newest recovery copy whose program is no longer running is offered back
// once; the copy of a running program never is, and a copy that cannot be read is set aside.
#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "orderfile/OrderFileWriter.h"
#include "recovery/RecoveryFolder.h"

#include <QTest>

namespace {

const QString kTitle = QStringLiteral("Vracanje narudzbe");

QList<FileRow> rows(int count)
{
    QList<FileRow> result;
    for (int i = 0; i < count; ++i)
        result.append({QStringLiteral("CD 002: f%1.mp3").arg(i),
                       QStringLiteral("E:\\f%1.mp3").arg(i), QStringLiteral("001.0512")});
    return result;
}

// Writes a copy of an order as a program would; with left, that program has ended since.
void writeCopy(RecoveryFolder& program, int count, const QString& shopFolder, const QDateTime& time)
{
    program.write(OrderFileWriter::format(rows(count), {}), shopFolder, time);
}

QStringList filesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}

} // namespace

class RecoveryOfferTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    std::unique_ptr<QTemporaryDir> stateFolder;

    QString statePath() const { return stateFolder->path(); }

    // A window working in the fixture's shop, with its recovery copies in state.
    frmzBIRNIK& start(RecoveryFolder& own)
    {
        f->writeShop({{"D:\\a.mp3,001.0000"}});
        f->recoveryStore = &own;
        return f->start();
    }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        stateFolder = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        f.reset();
        stateFolder.reset();
    }

    void newestCopyOfAProgramGoneIsOffered_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("restored");
        QTest::addColumn<bool>("copyStays");
        QTest::newRow("Da puts it back") << 0 << 2 << true;
        QTest::newRow("Ne removes it") << 1 << 0 << false;
        QTest::newRow("Esc keeps it") << 2 << 0 << true;
    }

    void newestCopyOfAProgramGoneIsOffered()
    {
        QFETCH(int, answer);
        QFETCH(int, restored);
        QFETCH(bool, copyStays);
        const QDateTime time(QDate(2026, 3, 4), QTime(5, 6));
        RecoveryFolder running(statePath());
        writeCopy(running, 5, f->path(), time.addSecs(120));
        {
            RecoveryFolder older(statePath());
            writeCopy(older, 1, f->path(), time.addSecs(-60));
            RecoveryFolder newer(statePath());
            writeCopy(newer, 2, QStringLiteral("/druga/prodavnica/"), time);
        }
        QCOMPARE(filesIn(statePath(), QStringLiteral("*.txt")).size(), 3);

        RecoveryFolder own(statePath());
        frmzBIRNIK& w = start(own);
        f->prompts.choices = {answer};
        w.offerRecovery();
        QCOMPARE(f->prompts.shown.size(), 1);
        const FakePrompts::Shown& box = f->prompts.shown[0];
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.text, QStringLiteral("Narudzba iz prethodnog rada nije sacuvana (2 datoteke, "
                                          "003.0000 MB, 04.03.2026. 05:06). Vratiti je?\n"
                                          "Narudzba je pravljena u folderu prodavnice "
                                          "\"/druga/prodavnica\"."));
        QCOMPARE(box.defaultButton, 0);
        QCOMPARE(box.escapeButton, 2);
        QCOMPARE(w.order().count(), restored);
        QCOMPARE(w.isWindowModified(), restored > 0);
        QVERIFY(!w.order().canUndo());
        // The running program's copy and the older one are untouched; the offered one stays
        // after Da until this program's own copy is written.
        QCOMPARE(filesIn(statePath(), QStringLiteral("*.txt")).size(), copyStays ? 3 : 2);

        // One offer per start; the next start offers the copy kept by Esc, or the older one:
        // the copy put back belongs to the program that runs with it.
        f = std::make_unique<MainWindowFixture>();
        RecoveryFolder next(statePath());
        start(next).offerRecovery();
        QCOMPARE(f->prompts.shown.size(), 1);
        QVERIFY(f->prompts.shown[0].text.contains(answer == 2 ? QStringLiteral("(2 datoteke,")
                                                              : QStringLiteral("(1 datoteka,")));
    }

    // Cut short, or not an order file: named once, renamed, never deleted, and not asked.
    void badCopyIsSetAside()
    {
        {
            RecoveryFolder gone(statePath());
            writeCopy(gone, 1, f->path(), QDateTime::currentDateTime());
        }
        const QString name = filesIn(statePath(), QStringLiteral("*.txt")).constFirst();
        writeTestFile(statePath(), name, "\"CD 001\",\"D:\\a.mp3\"\r\n");
        RecoveryFolder own(statePath());
        start(own).offerRecovery();
        QCOMPARE(f->prompts.titles(), QStringList({"Greska"}));
        QVERIFY(f->prompts.shown[0].text.contains(name));
        QVERIFY(f->prompts.shown[0].text.contains(name + QStringLiteral(".neispravna")));
        QCOMPARE(filesIn(statePath(), QStringLiteral("*.txt.neispravna")),
                 QStringList({name + QStringLiteral(".neispravna")}));
        QVERIFY(filesIn(statePath(), QStringLiteral("*.txt")).isEmpty());
    }
};

ZBIRNIK_TEST(RecoveryOfferTest)
#include "RecoveryOfferTest.moc"
