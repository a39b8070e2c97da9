// What the world throws at the program: files that vanish, cannot be read or written, a
// full disk, empty files, garbage, huge files and every 8-bit character. Each gets a clear
// message or the right result, and the order is never lost.
#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QList<FileRow> kOrder{
    {QStringLiteral("CD 001: a.mp3"), QStringLiteral("D:\\a.mp3"), QStringLiteral("004.0512")},
    {QStringLiteral("CD 002: b.DAT"), QStringLiteral("D:\\b.DAT"), QStringLiteral("040.0000")}};

// Starts a window over a two-CD shop with the order above.
frmzBIRNIK& startWithOrder(MainWindowFixture& f)
{
    f.writeShop({{QStringLiteral("D:\\x.mp3,001.0000")}, {QStringLiteral("D:\\y.mp3,002.0000")}});
    frmzBIRNIK& w = f.start();
    w.order().add(kOrder);
    return w;
}

QString makeFifo(const QString& path)
{
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make the FIFO %s", qPrintable(path));
    return path;
}

bool runningAsRoot()
{
    return geteuid() == 0;
}

// Limits the size of files this process writes, as a full disk would; a write past it
// fails instead of raising a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class FaultsFromOutsideTest : public QObject
{
    Q_OBJECT
private slots:
    void listingThatCannotBeReadIsNamed()
    {
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        // A folder where the listing should be cannot be read as a file, even by root.
        const QString listing = f.path(QStringLiteral("PlayLists/Muzika 002.kat"));
        QFile::remove(listing);
        QVERIFY(QDir().mkpath(listing));
        // The message comes once the information lines tell of the empty list.
        QString linesAtMessage;
        f.prompts.whileShown = [&](const FakePrompts::Shown&) {
            linesAtMessage = w.lblInformation[0]->text() + u'|' + w.lblInformation[1]->text();
        };
        w.cmbCDovi->setCurrentIndex(1);
        w.cmbCDovi_Click();
        QCOMPARE(w.files().count(), 0);
        QCOMPARE(linesAtMessage, QStringLiteral("Ukupno datoteka na CD-u : 0|Velicina svih "
                                                "datoteka na CD-u : 000.0000"));
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("Muzika 002.kat")));
        QCOMPARE(w.order().model().rows(), kOrder);
    }

    void listingWithoutReadPermission()
    {
        if (runningAsRoot())
            QSKIP("permissions do not bind root");
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        QFile::setPermissions(f.path(QStringLiteral("PlayLists/Muzika 002.kat")), {});
        w.cmbCDovi->setCurrentIndex(1);
        w.cmbCDovi_Click();
        QCOMPARE(w.files().count(), 0);
        QCOMPARE(f.prompts.shown.size(), 1);
    }

    void saveThatCannotBeWrittenKeepsTheOrder()
    {
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        // A folder that is really a file cannot hold the order file, even for root.
        writeTestFile(f.path(), QStringLiteral("datoteka"), "x");
        f.dialogs.files = {f.path(QStringLiteral("datoteka/narudzba.txt"))};
        w.cmdSave_Click();
        QCOMPARE(f.prompts.titles(), QStringList{"Greska"});
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("narudzba.txt")));
        QCOMPARE(w.order().model().rows(), kOrder);
    }

    void fullDiskLeavesTheOldFileWhole()
    {
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        const QString path = f.path(QStringLiteral("narudzba.txt"));
        writeTestFile(f.path(), QStringLiteral("narudzba.txt"), "stara narudzba\r\n");
        QList<FileRow> many;
        for (int i = 0; i < 200; ++i)
            many.append({QStringLiteral("CD 001: %1.mp3").arg(i),
                         QStringLiteral("D:\\%1.mp3").arg(i), QStringLiteral("001.0000")});
        w.order().add(many);
        f.dialogs.files = {path};
        {
            const FileSizeLimit diskFull(512);
            w.cmdSave_Click();
        }
        QCOMPARE(f.prompts.titles(), QStringList{"Greska"});
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("narudzba.txt")));
        // The cause is named, not "Unknown error".
        QVERIFY2(f.prompts.shown[0].text.contains(qt_error_string(EFBIG)),
                 qPrintable(f.prompts.shown[0].text));
        QCOMPARE(readTestFile(path), QByteArray("stara narudzba\r\n"));
        QCOMPARE(w.order().count(), 202);
    }

    // A writable order file in a folder that is not (a shared folder of orders) is saved over
    // in place; a write that fails puts the old bytes back.
    void writableFileInAReadOnlyFolder()
    {
        if (runningAsRoot())
            QSKIP("permissions do not bind root");
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        const QString folder = f.path(QStringLiteral("zajednicki"));
        writeTestFile(folder, QStringLiteral("narudzba.txt"), "stara narudzba\r\n");
        const QString path = folder + QStringLiteral("/narudzba.txt");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        f.dialogs.files = {path, path};
        {
            const FileSizeLimit diskFull(32);
            w.cmdSave_Click();
        }
        QCOMPARE(f.prompts.titles(), QStringList{"Greska"});
        QCOMPARE(readTestFile(path), QByteArray("stara narudzba\r\n"));
        w.cmdSave_Click();
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(readTestFile(path).startsWith("\"CD 001\",\"D:\\a.mp3\",\"004.0512\"\r\n"));
    }

    // A FIFO would hang the program and a link to /dev/zero would fill the memory: wherever a
    // file is read, each gets one message that names it, and the order stays.
    void thingsThatAreNotFilesAreNamed()
    {
        MainWindowFixture f;
        makeFifo(f.path(QStringLiteral("PlayList.kat")));
        QVERIFY(!f.create().Form_Load(f.path()));
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("PlayList.kat")));

        MainWindowFixture g;
        g.writeShopList({QStringLiteral("Nula"), QStringLiteral("Cijev"), QStringLiteral("Dobar")});
        QDir().mkpath(g.path(QStringLiteral("PlayLists")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                            g.path(QStringLiteral("PlayLists/Muzika 001.kat"))));
        const QString pipe = makeFifo(g.path(QStringLiteral("PlayLists/Muzika 002.kat")));
        g.writeListing(3, {QStringLiteral("D:\\a.mp3,001.0000")});
        frmzBIRNIK& w = g.start();
        QCOMPARE(g.prompts.shown.size(), 1);
        QVERIFY(g.prompts.shown[0].text.contains(QStringLiteral("Muzika 001.kat")));
        w.cmbCDovi->setCurrentIndex(1);
        w.cmbCDovi_Click();
        QCOMPARE(g.prompts.shown.size(), 2);
        QVERIFY(g.prompts.shown[1].text.contains(QStringLiteral("Muzika 002.kat")));

        w.order().add(kOrder);
        g.dialogs.files = {pipe};
        w.cmdOpen_Click();
        QCOMPARE(g.prompts.shown.size(), 3);
        QVERIFY(g.prompts.shown[2].text.contains(QStringLiteral("Muzika 002.kat")));
        w.shared().ProsliCD = {QString(), pipe};
        w.shared().BrojProslihCD = 1;
        w.cmbCDovi->setCurrentIndex(2);
        w.cmbCDovi_Click();
        w.cmdDodajSve_Click();
        QCOMPARE(g.prompts.shown.size(), 4);
        QVERIFY(g.prompts.shown[3].text.contains(QStringLiteral("Muzika 002.kat")));
        QCOMPARE(w.order().count(), 3);
    }

    void filesThatVanishBetweenSteps()
    {
        MainWindowFixture f;
        frmzBIRNIK& w = startWithOrder(f);
        // A saved order chosen in the open dialog, gone before it is read.
        const QString gone = f.path(QStringLiteral("nestala.txt"));
        f.dialogs.files = {gone};
        w.cmdOpen_Click();
        QCOMPARE(w.order().model().rows(), kOrder);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("2"));
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("nestala.txt")));

        // A previous CD's order named, then deleted before the next addition.
        w.shared().ProsliCD = {QString(), gone};
        w.shared().BrojProslihCD = 1;
        w.cmdDodajSve_Click();
        QCOMPARE(f.prompts.shown.size(), 2);
        QVERIFY(f.prompts.shown[1].text.contains(QStringLiteral("nestala.txt")));
        QCOMPARE(w.order().count(), 3);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("3"));

        // The listing of the shown source CD deleted before it is chosen again.
        QFile::remove(f.path(QStringLiteral("PlayLists/Muzika 001.kat")));
        w.cmbCDovi_Click();
        QCOMPARE(w.files().count(), 0);
        QCOMPARE(w.order().count(), 3);
    }

    void emptyFiles()
    {
        MainWindowFixture f;
        f.writeShop({{}});
        frmzBIRNIK& w = f.start();
        QCOMPARE(w.files().count(), 0);
        QCOMPARE(w.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 000.0000"));
        const QString empty = writeTestFile(f.path(), QStringLiteral("prazna.txt"), {});
        f.dialogs.files = {empty};
        w.cmdOpen_Click();
        QCOMPARE(w.order().count(), 0);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void binaryGarbage()
    {
        MainWindowFixture f;
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(20261207);
        for (char& byte : garbage)
            byte = char(random.bounded(256));
        f.writeShopList({QStringLiteral("Smece")});
        writeTestFile(f.path(), QStringLiteral("PlayLists/Muzika 001.kat"), garbage);
        frmzBIRNIK& w = f.start();
        QVERIFY(w.files().count() > 0);
        QVERIFY(f.prompts.shown.size() <= 2); // sizes that are not numbers, a cut record

        f.prompts.shown.clear();
        w.cmdDodajSve_Click();
        QCOMPARE(w.lblBrojNarucenih->text(), QString::number(w.order().count()));
        const QString opened = writeTestFile(f.path(), QStringLiteral("smece.txt"), garbage);
        const int before = w.order().count();
        f.dialogs.files = {opened};
        w.cmdOpen_Click();
        QVERIFY(w.order().count() >= before);
        QCOMPARE(w.lblBrojNarucenih->text(), QString::number(w.order().count()));
    }

    void hugeListingAndLongLines()
    {
        MainWindowFixture f;
        // About 100 MB: a million records of a hundred bytes (a tenth of that under the
        // sanitizers, which make every allocation far slower).
#if defined(__SANITIZE_ADDRESS__)
        constexpr int kRecords = 100'000;
#else
        constexpr int kRecords = 1'000'000;
#endif
        QByteArray listing;
        const QByteArray record =
            "\"D:\\Muzika\\Jako duga fascikla sa pjesmama\\Pjesma sa vrlo dugim imenom koje se "
            "ponavlja.mp3\",\"003.0512\"\r\n";
        listing.reserve(record.size() * kRecords + 2'000'000);
        for (int i = 0; i < kRecords; ++i)
            listing += record;
        // And one line of a megabyte: no path is that long, so it is named and left out.
        listing += "D:\\" + QByteArray(1 << 20, 'x') + "\\kraj.mp3,001.0000\r\n";
        f.writeShopList({QStringLiteral("Veliki")});
        writeTestFile(f.path(), QStringLiteral("PlayLists/Muzika 001.kat"), listing);
        QElapsedTimer timer;
        timer.start();
        frmzBIRNIK& w = f.start();
        qInfo("a listing of %lld MB loaded in %lld ms", listing.size() >> 20, timer.elapsed());
        QCOMPARE(w.files().count(), kRecords);
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY2(f.prompts.shown[0].text.contains(QStringLiteral("(zapis %1)").arg(kRecords + 1)),
                 qPrintable(f.prompts.shown[0].text));
    }

    void everyHighByteInNamesSurvivesAnOrderFile()
    {
        MainWindowFixture f;
        QByteArray name;
        for (int b = 128; b < 256; ++b)
            name.append(char(b));
        f.writeShopList({QStringLiteral("Znakovi")});
        writeTestFile(f.path(), QStringLiteral("PlayLists/Muzika 001.kat"),
                      "\"D:\\" + name + ".mp3\",\"001.0000\"\r\n");
        frmzBIRNIK& w = f.start();
        QCOMPARE(w.files().at(0).text, TextCodec::decode(name + ".mp3"));
        w.cmdDodajSve_Click();
        const QString path = f.path(QStringLiteral("znakovi.txt"));
        f.dialogs.files = {path};
        w.cmdSave_Click();
        QCOMPARE(readTestFile(path), "\"CD 001\",\"D:\\" + name + ".mp3\",\"001.0000\"\r\n");
        w.cmdIzbrisiSve_Click();
        f.dialogs.files = {path};
        w.cmdOpen_Click();
        QCOMPARE(w.order().model().at(0).text, TextCodec::decode("CD 001: " + name + ".mp3"));
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

ZBIRNIK_TEST(FaultsFromOutsideTest)
#include "FaultsFromOutsideTest.moc"
