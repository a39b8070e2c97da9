#include "orderfile/OrderFileReader.h"
#include "common/TestRegistry.h"
#include "platform/ZbirnikError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPath = QStringLiteral("/narudzbe/n.txt");

} // namespace

class OrderFileReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void readsOneRecordPerLine()
    {
        // Unquoted and quoted fields, no line end after the last line, and a path without a
        // backslash: its whole text is the shown name.
        const QList<FileRow> rows = OrderFileReader::parse(
            "CD 003,D:\\a\\x.mp3,004.0512\r\n\"CD 004\",\"  y, z.dat\",000.0999\r\n"
            "\"CD 005\",\"D:\\q\\\",\"001.0000\"",
            kPath);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (FileRow{QStringLiteral("CD 003: x.mp3"), QStringLiteral("D:\\a\\x.mp3"),
                                   QStringLiteral("004.0512")}));
        QCOMPARE(rows[1], (FileRow{QStringLiteral("CD 004:   y, z.dat"),
                                   QStringLiteral("  y, z.dat"), QStringLiteral("000.0999")}));
        QCOMPARE(rows[2].text, QStringLiteral("CD 005: "));
        QVERIFY(OrderFileReader::parse({}, kPath).isEmpty());
    }

    // A byte-order mark at the start and blank lines at the end are no items; a line of
    // three empty fields, as a save of such an item writes it, is one.
    void markAndTrailingBlankLinesAreNoItems()
    {
        const QList<FileRow> rows = OrderFileReader::parse(
            "\xEF\xBB\xBF\"CD 001\",\"D:\\a.mp3\",\"001.0000\"\r\n\"\",\"\",\"\"\r\n\r\n \r\n\r\n",
            kPath);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].text, QStringLiteral("CD 001: a.mp3"));
        QCOMPARE(rows[1], (FileRow{QStringLiteral(": "), {}, {}}));
        // After the mark the file is UTF-8.
        QCOMPARE(OrderFileReader::parse("\xEF\xBB\xBF\"CD 001\",\"D:\\\xC4\x8D"
                                        "a.mp3\",\"1\"",
                                        kPath)[0]
                     .text,
                 QStringLiteral("CD 001: ča.mp3"));
    }

    void lineWithoutThreeFieldsRefusesTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("named");
        const QByteArray good = "\"CD 001\",\"a.mp3\",\"001.0000\"\r\n";
        QTest::newRow("an extra comma") << good + "\"CD 002\",\"b.mp3\",\"001.0000\",\r\n" + good
                                        << QByteArray("red 2 ima 4 polja");
        QTest::newRow("cut short at the end") << good + good + "\"CD 002\",\"b.mp3\"\r\n"
                                              << QByteArray("red 3 ima 2 polja");
        QTest::newRow("two records on a line")
            << QByteArray("CD 1,a,1,CD 2,b,2\r\n") << QByteArray("red 1 ima 6 polja");
        QTest::newRow("a blank line between")
            << good + "\r\n" + good << QByteArray("red 2 ima 1 polje,");
        QTest::newRow("a last comma without a line end")
            << QByteArray("\"CD 1\",\"a\",\"1\",") << QByteArray("red 1 ima 4 polja");
        const QString utf16 = QStringLiteral("\uFEFF\"CD 1\",\"a\",\"1\"\r\n");
        QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(utf16.utf16()),
                                              utf16.size() * 2)
                                << QByteArray("nije tekst u kodnoj stranici windows-1250");
        QTest::newRow("lone line ends count")
            << QByteArray("CD 1,a,1\nCD 2,b,2\rCD 3,c\r\n") << QByteArray("red 3 ima 2 polja");
    }
    void lineWithoutThreeFieldsRefusesTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, named);
        try {
            OrderFileReader::parse(bytes, kPath);
            QFAIL("a malformed order file was read");
        } catch (const ZbirnikError& error) {
            QVERIFY2(error.message().contains(QString::fromLatin1(named)),
                     qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("n.txt")));
        }
    }

    // The count is checked while reading: a file that fills exactly the room is read, one
    // record more is refused.
    void recordsPastTheRoomRefuseTheFile()
    {
        QByteArray bytes;
        for (int i = 0; i < 5; ++i)
            bytes += "\"CD 001\",\"a.mp3\",\"001.0000\"\r\n";
        QCOMPARE(OrderFileReader::parse(bytes, kPath, {5}).size(), 5);
        QVERIFY_THROWS_EXCEPTION(ZbirnikError, OrderFileReader::parse(bytes, kPath, {4}));
        // So is the size of the order's file: the room in bytes is filled exactly, or passed.
        QCOMPARE(OrderFileReader::parse(bytes, kPath, {5, bytes.size()}).size(), 5);
        QVERIFY_THROWS_EXCEPTION(ZbirnikError,
                                 OrderFileReader::parse(bytes, kPath, {5, bytes.size() - 1}));
    }

    void namesAFileThatCannotBeRead()
    {
        // Larger than any order file can be (sparse, so nothing is written).
        QTemporaryDir dir;
        QFile large(dir.filePath(QStringLiteral("velika.txt")));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(kMaxOrderFileBytes + 1));
        large.close();
        try {
            OrderFileReader::read(large.fileName());
            QFAIL("read a file past the limit");
        } catch (const ZbirnikError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("64 MB")),
                     qPrintable(error.message()));
        }

        try {
            OrderFileReader::read(QStringLiteral("/nema/takve/narudzbe.txt"));
            QFAIL("read a missing file");
        } catch (const ZbirnikError& error) {
            QVERIFY(error.message().contains(QStringLiteral("narudzbe.txt")));
        }
    }
};

ZBIRNIK_TEST(OrderFileReaderTest)
#include "OrderFileReaderTest.moc"
