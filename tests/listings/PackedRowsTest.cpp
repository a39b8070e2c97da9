#include "common/TestRegistry.h"
#include "listings/FileRowsModel.h"
#include "listings/SizeText.h"

#include <QTest>

class PackedRowsTest : public QObject
{
    Q_OBJECT
private slots:
    // Every row comes back exactly as it went in, whatever its text has to do with its path,
    // and a row with a character that windows-1250 lacks is kept as text.
    void rowsComeBackUnchanged()
    {
        const QList<FileRow> rows = {
            {"CD 007: pjesma.mp3", "D:\\a\\pjesma.mp3", "004.0512"},
            {"pjesma.mp3", "D:\\a\\pjesma.mp3", "001.0000"},
            {"bez kose crte", "bez kose crte", "1"},
            {"", "D:\\folder\\", ""},
            {"CD 001: drugo ime.mp3", "D:\\a\\ime.mp3", "002.0000"},
            {QStringLiteral("čaša Šljiva.DAT"), QStringLiteral("E:\\v\\čaša Šljiva.DAT"),
             "100.0000"},
            {QStringLiteral("日本.mp3"), QStringLiteral("D:\\日本.mp3"), "003.0000"},
            {"x", "D:\\x", QStringLiteral("00ž.0001")},
            // Lengths where their stored form takes one byte more, and the longest kept packed.
            {QString(127, u'p'), QString(127, u'p'), "000.0000"},
            {QString(128, u'p'), QString(128, u'p'), "000.0000"},
            {"CD 001: " + QString(16384, u'p'), "D:\\" + QString(16384, u'p'), "000.0000"},
            {QString(0xFFFE, u'p'), QString(0xFFFE, u'p'), "000.0000"},
            {QString(0xFFFF, u'p'), QString(0xFFFF, u'p'), "000.0000"},
        };
        FileRowsModel model;
        model.setRows(rows);
        QCOMPARE(model.rows(), rows);
        QVERIFY(model.packed().keptAsText(6));
        QVERIFY(!model.packed().keptAsText(5));
        QVERIFY(!model.packed().keptAsText(11));
        QVERIFY(model.packed().keptAsText(12));
        QCOMPARE(model.data(model.index(6)).toString(), QStringLiteral("日本.mp3"));

        model.change({0, 6}, {}, {});
        QCOMPARE(model.rows(), rows.mid(1, 5) + rows.mid(7));
        PackedRows wide;
        wide.append(rows[6]);
        model.change({}, {model.count()}, wide);
        QCOMPARE(model.at(model.count() - 1), rows[6]);

        // Rows kept as text stay whole when one set of rows is appended to another that
        // holds such rows already.
        const FileRow other{QStringLiteral("CD 002: 中.mp3"), QStringLiteral("D:\\中.mp3"),
                            "001.0000"};
        FileRowsModel more;
        more.setRows({rows[0], other});
        PackedRows both = model.packed();
        both.append(more.packed());
        QCOMPARE(both.count(), model.count() + 2);
        QCOMPARE(both.at(model.count() - 1), rows[6]);
        QCOMPARE(both.at(model.count() + 1), other);

        // The total reads every size where it stands; the ones that are no number are named.
        const SizeSum sum = sumSizes(model.packed());
        QCOMPARE(sum.invalidPositions, QList<int>({2, 5}));
        QCOMPARE(SizeText::format(sum.bytes), QStringLiteral("107.0001"));
    }
};

ZBIRNIK_TEST(PackedRowsTest)
#include "PackedRowsTest.moc"
