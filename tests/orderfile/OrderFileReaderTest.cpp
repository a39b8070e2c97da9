#include "orderfile/OrderFileReader.h"
#include "common/TestRegistry.h"
#include "platform/ZbirnikError.h"

#include <QTest>

class OrderFileReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void readsRecordsWhereverTheyStand()
    {
        // Unquoted fields, two records on one line, no line end after the last one, and a
        // path without a backslash: its whole text is the shown name.
        const QList<FileRow> rows = OrderFileReader::parse(
            "CD 003,D:\\a\\x.mp3,004.0512,\"CD 004\",\"  y, z.dat\",000.0999\r\n"
            "\"CD 005\",\"D:\\q\\\",\"001.0000\"");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (FileRow{QStringLiteral("CD 003: x.mp3"), QStringLiteral("D:\\a\\x.mp3"),
                                   QStringLiteral("004.0512")}));
        QCOMPARE(rows[1], (FileRow{QStringLiteral("CD 004:   y, z.dat"),
                                   QStringLiteral("  y, z.dat"), QStringLiteral("000.0999")}));
        QCOMPARE(rows[2].text, QStringLiteral("CD 005: "));
        QVERIFY(OrderFileReader::parse({}).isEmpty());
    }

    // A file that ends inside a record still gives that record; what was not read is empty.
    void keepsARecordCutShort()
    {
        const QList<FileRow> rows =
            OrderFileReader::parse("\"CD 001\",\"a.mp3\",\"001.0000\"\r\n\"CD 002\",\"b.mp3\"\r\n");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1], (FileRow{QStringLiteral("CD 002: b.mp3"), QStringLiteral("b.mp3"), {}}));
    }

    void namesAFileThatCannotBeRead()
    {
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
