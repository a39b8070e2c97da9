#include "orderfile/OrderFileWriter.h"
#include "common/TestRegistry.h"
#include "orderfile/OrderFileReader.h"
#include "platform/ZbirnikError.h"

#include <QTemporaryDir>
#include <QTest>

class OrderFileWriterTest : public QObject
{
    Q_OBJECT
private slots:
    // Quotes, commas, CR LF, windows-1250 letters, and a source CD 1000 label, byte for byte.
    void writesTheKnownBytes()
    {
        const QList<FileRow> rows = {
            {QStringLiteral("CD 007: \u0160ta \u0107u.mp3"),
             QStringLiteral("D:\\Narodna\\\u0160ta \u0107u.mp3"), QStringLiteral("004.0512")},
            {QStringLiteral("CD 1000: film.DAT"),
             QStringLiteral("E:\\Video, \u017Eivo\\\u0111ak \u010Dita.DAT"),
             QStringLiteral("120.1023")},
            {QStringLiteral("CD 042: a"), QStringLiteral("a"), QStringLiteral("000.0001")},
        };
        const QByteArray expected = "\"CD 007\",\"D:\\Narodna\\\x8A"
                                    "ta \xE6"
                                    "u.mp3\",\"004.0512\"\r\n"
                                    "\"CD 1000\",\"E:\\Video, \x9E"
                                    "ivo\\\xF0"
                                    "ak \xE8"
                                    "ita.DAT\",\"120.1023\"\r\n"
                                    "\"CD 042\",\"a\",\"000.0001\"\r\n";
        QCOMPARE(OrderFileWriter::format(rows, QStringLiteral("x.txt")), expected);
        QCOMPARE(OrderFileWriter::format({}, QStringLiteral("x.txt")), QByteArray());

        // What is read back is the saved label, the file name made again, the rest unchanged.
        const QList<FileRow> back = OrderFileReader::parse(expected, QStringLiteral("x.txt"));
        QCOMPARE(back.size(), 3);
        QCOMPARE(back[0], rows[0]);
        QCOMPARE(back[1].text, QStringLiteral("CD 1000: \u0111ak \u010Dita.DAT"));
        QCOMPARE(back[1].fullPath, rows[1].fullPath);
        QCOMPARE(back[2], rows[2]);
    }

    // The label is the item's text before its first ": ", however long; whatever is saved
    // reads back to the same items.
    void labelsOfAnyLengthComeBack()
    {
        const QList<FileRow> rows = {
            {QStringLiteral("CD 7: a.mp3"), QStringLiteral("a.mp3"), QStringLiteral("001.0000")},
            {QStringLiteral("CD 007: CD Intro.mp3"), QStringLiteral("D:\\CD Intro.mp3"),
             QStringLiteral("001.0000")},
            {QStringLiteral("CD 12345: b: c.mp3"), QStringLiteral("D:\\b: c.mp3"),
             QStringLiteral("001.0000")},
            {QStringLiteral(": "), {}, {}},
        };
        const QByteArray bytes = OrderFileWriter::format(rows, QStringLiteral("x.txt"));
        QCOMPARE(bytes, QByteArray("\"CD 7\",\"a.mp3\",\"001.0000\"\r\n"
                                   "\"CD 007\",\"D:\\CD Intro.mp3\",\"001.0000\"\r\n"
                                   "\"CD 12345\",\"D:\\b: c.mp3\",\"001.0000\"\r\n"
                                   "\"\",\"\",\"\"\r\n"));
        QCOMPARE(OrderFileReader::parse(bytes, QStringLiteral("x.txt")), rows);
    }

    // A field the format cannot hold refuses the whole save, naming the file and the item,
    // and leaves the old file as it was.
    void refusesFieldsThatCannotBeReadBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("stara.txt"));
        OrderFileWriter::save(path, {{QStringLiteral("CD 001: a.mp3"), QStringLiteral("a.mp3"),
                                      QStringLiteral("001.0000")}});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        const FileRow good{QStringLiteral("CD 001: b.mp3"), QStringLiteral("b.mp3"),
                           QStringLiteral("001.0000")};
        const QList<FileRow> bad = {
            {QStringLiteral("CD 002: \"x\".mp3"), QStringLiteral("C:\\\"x\".mp3"),
             QStringLiteral("001.0000")},
            {QStringLiteral("CD 002: y.mp3"), QStringLiteral("C:\\y\r\n.mp3"),
             QStringLiteral("001.0000")},
            {QStringLiteral("CD 002: z.mp3"), QStringLiteral("C:\\z.mp3"),
             QStringLiteral("001\n0000")},
            {QStringLiteral("CD 002: w.mp3"), QStringLiteral("C:\\w\r.mp3"),
             QStringLiteral("001.0000")},
            {QChar(u'\0') + QStringLiteral(": n.mp3"), QStringLiteral("n.mp3"),
             QStringLiteral("001.0000")},
            {QStringLiteral("CD 002: \u4E2D.mp3"), QStringLiteral("C:\\\u4E2D.mp3"),
             QStringLiteral("001.0000")},
        };
        for (const FileRow& row : bad) {
            try {
                OrderFileWriter::save(path, {good, row});
                QFAIL(qPrintable(QStringLiteral("saved: ") + row.text));
            } catch (const ZbirnikError& error) {
                QVERIFY2(error.message().contains(row.text), qPrintable(error.message()));
                QVERIFY(error.message().contains(QStringLiteral("stara.txt")));
            }
            QFile again(path);
            QVERIFY(again.open(QIODevice::ReadOnly));
            QCOMPARE(again.readAll(), before);
        }
    }

    // Saving guards the size every order file keeps to: exactly 64 MB is written, a byte
    // more is refused.
    void sizeLimit()
    {
        const qsizetype line = 6 + 8 + 10; // label, size, quotes, commas, CR LF
        QList<FileRow> rows{{QStringLiteral("CD 001: x"),
                             QString((qsizetype(64) << 20) - line, u'x'),
                             QStringLiteral("001.0000")}};
        QCOMPARE(OrderFileWriter::savedSize(rows[0]), qint64(64) << 20);
        QCOMPARE(OrderFileWriter::format(rows, QStringLiteral("x.txt")).size(), qsizetype(64)
                                                                                    << 20);
        rows[0].fullPath += u'x';
        QVERIFY_THROWS_EXCEPTION(ZbirnikError,
                                 OrderFileWriter::format(rows, QStringLiteral("x.txt")));
    }
};

ZBIRNIK_TEST(OrderFileWriterTest)
#include "OrderFileWriterTest.moc"
