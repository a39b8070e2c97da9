#include "common/TestFiles.h"
#include "common/TestRegistry.h"
#include "listings/DiscCapacity.h"
#include "listings/FileKind.h"
#include "listings/ImeDatoteke.h"
#include "listings/ShopFiles.h"
#include "listings/SizeText.h"
#include "platform/TextCodec.h"
#include "platform/ZbirnikError.h"

#include <QTemporaryDir>
#include <QTest>

class ListingRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void kindOfFile()
    {
        for (const char* video : {"D:\\a.dat", "a.Dat", "a.DAT", "ZXDAT", "DAT"})
            QVERIFY2(isVideoClip(QString::fromLatin1(video)), video);
        for (const char* song : {"D:\\a.mp3", "a.avi", "clip.mpg", "", "AT", "a.dat "})
            QVERIFY2(!isVideoClip(QString::fromLatin1(song)), song);
    }

    void kindFilter_data()
    {
        QTest::addColumn<int>("mp3");
        QTest::addColumn<int>("video");
        QTest::addColumn<bool>("songShown");
        QTest::addColumn<bool>("clipShown");
        QTest::newRow("songs only") << 1 << 0 << true << false;
        QTest::newRow("clips only") << 0 << 1 << false << true;
        QTest::newRow("both") << 1 << 1 << true << true;
        QTest::newRow("neither acts as both") << 0 << 0 << true << true;
        QTest::newRow("greyed songs") << 2 << 0 << true << true;
        QTest::newRow("greyed clips") << 0 << 2 << true << true;
    }
    void kindFilter()
    {
        QFETCH(int, mp3);
        QFETCH(int, video);
        QFETCH(bool, songShown);
        QFETCH(bool, clipShown);
        QCOMPARE(passesKindFilter(u"D:\\x\\clip.mpg", mp3, video), songShown);
        QCOMPARE(passesKindFilter(u"D:\\x\\song.dat", mp3, video), clipShown);
    }

    void fileNamePart()
    {
        QCOMPARE(ImeDatoteke(QStringLiteral("D:\\Muzika\\Rock\\pjesma.mp3")),
                 QStringLiteral("pjesma.mp3"));
        QCOMPARE(ImeDatoteke(QStringLiteral("pjesma.mp3")), QStringLiteral("pjesma.mp3"));
        QCOMPARE(ImeDatoteke(QStringLiteral("D:\\Muzika\\")), QString());
        QCOMPARE(ImeDatoteke(QString()), QString());
        // A path longer than a 16-bit position still works.
        const QString longPath = QString(40000, u'x') + QStringLiteral("\\a.mp3");
        QCOMPARE(ImeDatoteke(longPath), QStringLiteral("a.mp3"));
    }

    void sizeTotals_data()
    {
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QString>("total");
        QTest::newRow("empty") << QStringList{} << "000.0000";
        QTest::newRow("plain sum") << QStringList{"004.0512", "003.0768"} << "008.0256";
        QTest::newRow("kibibytes carry") << QStringList{"000.1000", "000.0100"} << "001.0076";
        QTest::newRow("exactly the capacity") << QStringList{"300.0000", "350.0000"} << "650.0000";
        QTest::newRow("four digits of MiB") << QStringList{"999.1023", "000.0001"} << "1000.0000";
        QTest::newRow("other forms: 12.5 is 12 MiB 12 KiB, 5 is 5 MiB 5 KiB")
            << QStringList{"12.5", "5"} << "017.0017";
    }
    void sizeTotals()
    {
        QFETCH(QStringList, sizes);
        QFETCH(QString, total);
        const SizeSum sum = sumSizes(sizes, [](const QString& s) { return s; });
        QCOMPARE(SizeText::format(sum.bytes), total);
        QVERIFY(sum.invalidPositions.isEmpty());
    }

    void sizeThatIsNotANumberCountsAsZero()
    {
        // Sizes below zero would hide an order above the capacity: they count as 0 too.
        const QStringList sizes{"001.0000", "abc.defg", "002.0000", "",
                                "-99.0000", "-5",       "004.-512", "-0.0000"};
        const SizeSum sum = sumSizes(sizes, [](const QString& s) { return s; });
        QCOMPARE(SizeText::format(sum.bytes), QStringLiteral("003.0000"));
        QCOMPARE(sum.invalidPositions, (QList<int>{1, 3, 4, 5, 6}));
        QVERIFY(!SizeText::bytes(u"nan.0000"));
        QVERIFY(!SizeText::bytes(u"001.inf "));
    }

    void capacityIsStrict_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("bytes");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("fits");
        QTest::newRow("650 exactly") << "650" << 681574400.0 << "650.0000" << true;
        QTest::newRow("650 one KiB past") << "650" << 681574400.0 << "650.0001" << false;
        QTest::newRow("700 exactly") << "700" << 734003200.0 << "700.0000" << true;
        QTest::newRow("700 one KiB past") << "700" << 734003200.0 << "700.0001" << false;
        // 405 000 sectors of 2 048 bytes are 791 MiB and 16 KiB.
        QTest::newRow("800 exactly") << "800" << 829440000.0 << "791.0016" << true;
        QTest::newRow("800 one KiB past") << "800" << 829440000.0 << "791.0017" << false;
        QTest::newRow("absent means 650") << "" << 681574400.0 << "650.0001" << false;
        QTest::newRow("any other value means 650") << "750" << 681574400.0 << "700.0000" << false;
        QTest::newRow("no blanks") << " 700" << 681574400.0 << "700.0000" << false;
    }
    void capacityIsStrict()
    {
        QFETCH(QString, stored);
        QFETCH(double, bytes);
        QFETCH(QString, total);
        QFETCH(bool, fits);
        const DiscCapacity capacity = DiscCapacities::fromStored(stored);
        QCOMPARE(capacity.bytes, bytes);
        QCOMPARE(capacity.fits(*SizeText::bytes(total)), fits);
        if (capacity != DiscCapacities::kDefault)
            QCOMPARE(DiscCapacities::stored(capacity), stored);
    }

    void listingFileNames()
    {
        QCOMPARE(ShopFiles::listingPath(QStringLiteral("/shop/"), 7),
                 QStringLiteral("/shop/PlayLists/Muzika 007.kat"));
        QCOMPARE(ShopFiles::listingPath(QStringLiteral("/shop/"), 42),
                 QStringLiteral("/shop/PlayLists/Muzika 042.kat"));
        QCOMPARE(ShopFiles::listingPath(QStringLiteral("/shop/"), 1000),
                 QStringLiteral("/shop/PlayLists/Muzika 1000.kat"));
    }

    void shopListIsReadFieldByField()
    {
        QTemporaryDir dir;
        const QString path =
            writeTestFile(dir.path(), QStringLiteral("PlayList.kat"),
                          TextCodec::encode(QStringLiteral(
                              "CD Rock, CD Pop\r\n\r\n\"Narodna, stara\"\r\nČaj\r\n")));
        QCOMPARE(ShopFiles::readShopList(path).entries,
                 (QStringList{"CD Rock", "CD Pop", "", "Narodna, stara", "Čaj"}));

        // At most 32 767 source CDs: the rest are counted, not listed.
        for (const int count : {ShopFiles::kMaxSourceCds, ShopFiles::kMaxSourceCds + 1}) {
            QByteArray bytes;
            for (int i = 1; i <= count; ++i)
                bytes += "CD " + QByteArray::number(i) + "\r\n";
            const ShopFiles::ShopList list = ShopFiles::readShopList(
                writeTestFile(dir.path(), QStringLiteral("Dugi.kat"), bytes));
            QCOMPARE(list.entries.size(), ShopFiles::kMaxSourceCds);
            QCOMPARE(list.entries.last(), QStringLiteral("CD 32767"));
            QCOMPARE(list.leftOut, count - ShopFiles::kMaxSourceCds);
        }
    }

    void shopListFaultsNameTheFile()
    {
        QTemporaryDir dir;
        const QString missing = dir.path() + QStringLiteral("/PlayList.kat");
        try {
            ShopFiles::readShopList(missing);
            QFAIL("a missing shop list was read");
        } catch (const ZbirnikError& error) {
            QVERIFY2(error.message().contains(missing), qPrintable(error.message()));
        }
        const QString empty = writeTestFile(dir.path(), QStringLiteral("PlayList.kat"), {});
        QVERIFY_THROWS_EXCEPTION(ZbirnikError, ShopFiles::readShopList(empty));
    }

    void listingCutInsideARecordKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        const QString path =
            writeTestFile(dir.path(), QStringLiteral("l.kat"),
                          "\"D:\\a.mp3\",\"001.0000\"\r\nD:\\b.mp3,002.0000\r\nD:\\c.mp3\r\n");
        const LoadedListing listing = loadListing(path, 1, 1);
        QCOMPARE(listing.rows.count(), 2);
        QCOMPARE(listing.rows.at(1), (FileRow{QStringLiteral("b.mp3"), QStringLiteral("D:\\b.mp3"),
                                              QStringLiteral("002.0000")}));
        QVERIFY(listing.fault.contains(QStringLiteral("l.kat")));
        QVERIFY(loadListing(writeTestFile(dir.path(), QStringLiteral("ok.kat"), "a,b"), 1, 1)
                    .fault.isEmpty());

        // Blank lines at the end, as editors leave them, and a UTF-8 byte-order mark at the
        // start are no part of any record.
        const LoadedListing trailing =
            loadListing(writeTestFile(dir.path(), QStringLiteral("t.kat"),
                                      "\xEF\xBB\xBF\"D:\\a.mp3\",1\r\nb,2\r\n\r\n  \r\n"),
                        1, 1);
        QVERIFY2(trailing.fault.isEmpty(), qPrintable(trailing.fault));
        QCOMPARE(trailing.rows.count(), 2);
        QCOMPARE(trailing.rows.at(0).fullPath, QStringLiteral("D:\\a.mp3"));
        QCOMPARE(trailing.rows.at(1).size, QStringLiteral("2"));
    }

    // A record with an empty path, or a field longer than any path, gives no row: it is
    // counted, and the first ten are named by their number in the file.
    void recordsThatGiveNoRow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<qsizetype>("bad");
        QTest::addColumn<QList<qsizetype>>("named");
        const QByteArray longest(32767 - 7, 'x');
        QTest::newRow("path of 32767") << "D:\\" + longest + ".mp3,1\r\n"
                                       << 1 << qsizetype(0) << QList<qsizetype>();
        QTest::newRow("path of 32768") << "D:\\" + longest + "x.mp3,1\r\nb,2\r\n"
                                       << 1 << qsizetype(1) << QList<qsizetype>{1};
        QTest::newRow("size of 32768") << "a,1\r\nb," + QByteArray(32768, '1') + "\r\n"
                                       << 1 << qsizetype(1) << QList<qsizetype>{2};
        QTest::newRow("empty path") << QByteArray("a,1\r\n,2\r\n\"\",3\r\nd,4\r\n") << 2
                                    << qsizetype(2) << QList<qsizetype>{2, 3};
        QTest::newRow("bare line feeds")
            << QByteArray(1 << 20, '\n') + "a,1" << 1 << qsizetype(1 << 19)
            << QList<qsizetype>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }
    void recordsThatGiveNoRow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        QFETCH(qsizetype, bad);
        QFETCH(QList<qsizetype>, named);
        QTemporaryDir dir;
        const QString path = writeTestFile(dir.path(), QStringLiteral("l.kat"), bytes);
        const LoadedListing listing = loadListing(path, 1, 1);
        QCOMPARE(listing.rows.count(), rows);
        QCOMPARE(listing.bad.count, bad);
        QCOMPARE(listing.bad.firstNumbers, named);
        const QString message = describeBadRecords(path, listing.bad);
        QCOMPARE(message.isEmpty(), bad == 0);
        if (bad > 10)
            QVERIFY2(message.contains(QStringLiteral("i jos %1").arg(bad - 10)),
                     qPrintable(message));
    }
};

ZBIRNIK_TEST(ListingRulesTest)
#include "ListingRulesTest.moc"
