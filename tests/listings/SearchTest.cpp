#include "common/TestFiles.h"
#include "common/TestRegistry.h"
#include "listings/ListingSearch.h"
#include "listings/ShopFiles.h"
#include "platform/TextCodec.h"
#include "platform/ZbirnikError.h"

#include <QTemporaryDir>
#include <QTest>

class SearchTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    QString putanja() const { return m_folder.path() + u'/'; }

    void writeListing(int cdNumber, const QStringList& lines)
    {
        writeTestFile(
            m_folder.path(),
            QStringLiteral("PlayLists/Muzika %1.kat").arg(ShopFiles::cdNumberText(cdNumber)),
            TextCodec::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    SearchResult search(const QString& text, SearchScope scope, int mp3 = 1, int video = 1)
    {
        return searchListings({putanja(), text, scope, mp3, video});
    }

    static QStringList texts(const SearchResult& result)
    {
        QStringList list;
        for (int i = 0; i < result.rows.count(); ++i)
            list << result.rows.text(i);
        return list;
    }

private slots:
    void init()
    {
        for (int cd = 1; cd <= 3; ++cd) {
            writeListing(cd, {QStringLiteral("D:\\Disk %1\\Pjesma %1.mp3,001.0100").arg(cd),
                              QStringLiteral("\"D:\\Spot\\Spot %1.DAT\",\"020.0000\"").arg(cd),
                              QStringLiteral("D:\\Ostalo\\Nesto.wav,000.0512")});
        }
    }

    void selectedCdGivesNamesOnly()
    {
        const SearchResult result = search(QStringLiteral("PJESMA"), SearchScope::selected(2));
        QCOMPARE(result.rows.count(), 1);
        QCOMPARE(result.rows.at(0),
                 (FileRow{QStringLiteral("Pjesma 2.mp3"),
                          QStringLiteral("D:\\Disk 2\\Pjesma 2.mp3"), QStringLiteral("001.0100")}));
        QVERIFY(result.problems.isEmpty());
    }

    void everyCdLabelsInCdOrder()
    {
        const SearchResult result = search(QStringLiteral("s"), SearchScope::every(3));
        QCOMPARE(texts(result),
                 QStringList({"CD 001: Pjesma 1.mp3", "CD 001: Spot 1.DAT", "CD 001: Nesto.wav",
                              "CD 002: Pjesma 2.mp3", "CD 002: Spot 2.DAT", "CD 002: Nesto.wav",
                              "CD 003: Pjesma 3.mp3", "CD 003: Spot 3.DAT", "CD 003: Nesto.wav"}));
        // The hidden path and size carry no label.
        QCOMPARE(result.rows.at(4).fullPath, QStringLiteral("D:\\Spot\\Spot 2.DAT"));
        QCOMPARE(result.rows.at(4).size, QStringLiteral("020.0000"));
    }

    void cdThousandHasFourDigits()
    {
        writeListing(1000, {QStringLiteral("D:\\x\\Zadnja.mp3,001.0000")});
        const SearchResult result = search(QStringLiteral("zadnja"), {999, 1000, true});
        QCOMPARE(texts(result), QStringList{"CD 1000: Zadnja.mp3"});
        // Listing 999 does not exist; it is reported, and the search still reached 1000.
        QCOMPARE(result.problems.size(), 1);
        QVERIFY(result.problems[0].contains(QStringLiteral("Muzika 999.kat")));
    }

    void kindBoxes()
    {
        const auto every = SearchScope::selected(1);
        QCOMPARE(texts(search({}, every, 1, 0)), QStringList({"Pjesma 1.mp3", "Nesto.wav"}));
        QCOMPARE(texts(search({}, every, 0, 1)), QStringList{"Spot 1.DAT"});
        // Both clear acts as both checked.
        QCOMPARE(texts(search({}, every, 0, 0)), texts(search({}, every, 1, 1)));
        QCOMPARE(search({}, every, 0, 0).rows.count(), 3);
    }

    void kindFromFullPathMatchFromName()
    {
        writeListing(1, {QStringLiteral("D:\\DAT\\pjesma.mp3,001.0000"),
                         QStringLiteral("D:\\klipovi\\spotXDAT,002.0000"),
                         QStringLiteral("D:\\mp3 folder\\film.dat,003.0000")});
        // A folder name never produces a text match.
        QCOMPARE(texts(search(QStringLiteral("mp3"), SearchScope::selected(1))),
                 QStringList{"pjesma.mp3"});
        QCOMPARE(texts(search(QStringLiteral("folder"), SearchScope::selected(1))), QStringList());
        // A path ending in DAT in any case, with or without a dot, is a video clip.
        QCOMPARE(texts(search({}, SearchScope::selected(1), 0, 1)),
                 QStringList({"spotXDAT", "film.dat"}));
    }

    void invalidPatternReadsNothing()
    {
        QVERIFY_THROWS_EXCEPTION(ZbirnikError,
                                 search(QStringLiteral("a[b"), SearchScope::every(3)));
    }

    void unreadableListingsAreCollected()
    {
        QFile::remove(ShopFiles::listingPath(putanja(), 1));
        writeTestFile(m_folder.path(), QStringLiteral("PlayLists/Muzika 003.kat"),
                      "D:\\a\\Kraj.mp3,001.0000\r\nD:\\a\\Pola.mp3");
        const SearchResult result = search(QStringLiteral(".mp3"), SearchScope::every(3));
        QCOMPARE(texts(result), QStringList({"CD 002: Pjesma 2.mp3", "CD 003: Kraj.mp3"}));
        QCOMPARE(result.problems.size(), 2);
        const QString message = describeSearchProblems(result.problems);
        QVERIFY(message.contains(QStringLiteral("Muzika 001.kat")));
        QVERIFY(message.contains(QStringLiteral("Muzika 003.kat")));
    }
};

ZBIRNIK_TEST(SearchTest)
#include "SearchTest.moc"
