#include "listings/RecordReader.h"
#include "common/TestRegistry.h"

#include <QTest>

namespace {

// Reads the whole text in records of k fields; the last element is "PAST END" when a
// read ran out of text.
QList<QStringList> readAll(const QString& text, int k)
{
    RecordReader reader(text);
    QList<QStringList> records;
    try {
        while (!reader.atEnd()) {
            const Record record = reader.read(k);
            records.append(QStringList(record.begin(), record.begin() + k));
        }
    } catch (const InputPastEndError&) {
        records.append({QStringLiteral("PAST END")});
    }
    return records;
}

using Records = QList<QStringList>;

} // namespace

class RecordReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void fieldSyntax_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("k");
        QTest::addColumn<Records>("expected");

        QTest::newRow("two unquoted fields on a line, space after the comma skipped")
            << "CD Rock, CD Pop\r\n"
            << 1 << Records{{"CD Rock"}, {"CD Pop"}};
        QTest::newRow("quoted field keeps commas and spaces, leading ones too")
            << "\"  D:\\Rock, Pop\\a b.mp3\",\"001.0000\"\r\n"
            << 2 << Records{{"  D:\\Rock, Pop\\a b.mp3", "001.0000"}};
        QTest::newRow("unquoted path with a comma splits and shifts the fields")
            << "D:\\Rock, Pop\\a.mp3,001.0000\r\n"
            << 2 << Records{{"D:\\Rock", "Pop\\a.mp3"}, {"PAST END"}};
        QTest::newRow("quoted and unquoted give the same records")
            << "\"D:\\a.mp3\",\"001.0512\"\r\nD:\\b.DAT,002.0000\r\n"
            << 2 << Records{{"D:\\a.mp3", "001.0512"}, {"D:\\b.DAT", "002.0000"}};
        QTest::newRow("blank line is one empty field") << "a\r\n\r\nb\r\n"
                                                       << 1 << Records{{"a"}, {""}, {"b"}};
        QTest::newRow("lone CR ends a field") << "a\rb\r" << 1 << Records{{"a"}, {"b"}};
        QTest::newRow("lone LF ends a field") << "a\nb" << 1 << Records{{"a"}, {"b"}};
        QTest::newRow("record spans lines") << "a\r\nb\r\nc\r\nd\r\n"
                                            << 2 << Records{{"a", "b"}, {"c", "d"}};
        QTest::newRow("a line of three fields starts the next record")
            << "a,b,c\r\nd\r\n"
            << 2 << Records{{"a", "b"}, {"c", "d"}};
        QTest::newRow("last line without a line end")
            << "a,b\r\nc,d" << 2 << Records{{"a", "b"}, {"c", "d"}};
        QTest::newRow("empty text has no record") << "" << 2 << Records{};
        QTest::newRow("empty field between commas") << "a,,c\r\n" << 3 << Records{{"a", "", "c"}};
        QTest::newRow("text after a closing quote is dropped") << "\"a\" x,b\r\n"
                                                               << 2 << Records{{"a", "b"}};
        QTest::newRow("trailing spaces of an unquoted field are dropped")
            << "a  ,b\r\n"
            << 2 << Records{{"a", "b"}};
        QTest::newRow("unclosed quote runs to the end") << "\"a,b\r\n" << 1 << Records{{"a,b\r\n"}};
    }
    void fieldSyntax()
    {
        QFETCH(QString, text);
        QFETCH(int, k);
        QFETCH(Records, expected);
        QCOMPARE(readAll(text, k), expected);
    }

    void readingPastTheEndFails_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("last record has one field") << "a,b\r\nc\r\n";
        QTest::newRow("blank line after the last record") << "a,b\r\n\r\n";
        QTest::newRow("last record cut without a line end") << "a,b\r\nc";
    }
    void readingPastTheEndFails()
    {
        QFETCH(QString, text);
        const Records records = readAll(text, 2);
        QCOMPARE(records.first(), (QStringList{"a", "b"}));
        QCOMPARE(records.last(), QStringList{"PAST END"});
    }
};

ZBIRNIK_TEST(RecordReaderTest)
#include "RecordReaderTest.moc"
