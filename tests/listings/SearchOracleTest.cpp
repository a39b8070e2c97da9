// The search of listings as bytes on several threads against the search as it was, over
// generated shops with windows-1250 letters and every wildcard.
#include "common/SingleThreadedSearch.h"
#include "common/TestFiles.h"
#include "common/TestRegistry.h"
#include "listings/ListingSearch.h"
#include "listings/SearchPattern.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class SearchOracleTest : public QObject
{
    Q_OBJECT

    // Letters of both cases with their windows-1250 bytes (Š š č Č µ ß ˙ Ą ą and an
    // unassigned byte), digits, spaces and the characters the wildcards use.
    static QByteArray nameCharacters()
    {
        return QByteArray("aAbBcCxX0129 .-_()!#?*[]") + "\x8a\x9a\xe8\xc8\xb5\xdf\xff\xa5\xb9\x81";
    }

    static QByteArray randomName(QRandomGenerator& random)
    {
        const QByteArray characters = nameCharacters();
        QByteArray name;
        for (int i = random.bounded(0, 12); i > 0; --i)
            name += characters[random.bounded(int(characters.size()))];
        return name;
    }

    static QString randomPattern(QRandomGenerator& random)
    {
        static const QStringList tokens = {
            "a",   "B",   "x",  "c",    "s",    "č",     "Č",   "š",     "µ",      "ß",    "1",
            "9",   " ",   ".",  "(",    "?",    "*",     "#",   "[a-c]", "[!0-9]", "[čž]", "[Š-Ž]",
            "[*]", "[!]", "[]", "[?#]", "[x-]", "[!aB]", "[c]", "[!c]",  "[!A-Z]", "!"};
        QString pattern;
        for (int i = random.bounded(0, 7); i > 0; --i)
            pattern += tokens[random.bounded(int(tokens.size()))];
        return pattern;
    }

    // cdCount listings of random records, quoted and unquoted, some ending inside a record,
    // some in blank lines.
    static void writeShop(const QString& folder, QRandomGenerator& random, int cdCount)
    {
        for (int cd = 1; cd <= cdCount; ++cd) {
            QByteArray listing;
            for (int i = random.bounded(0, 40); i > 0; --i) {
                QByteArray name = randomName(random);
                if (random.bounded(4) == 0)
                    name += random.bounded(2) ? ".DAT" : ".dat";
                const QByteArray path = "D:\\Muzika " + QByteArray::number(cd) + "\\" + name;
                if (random.bounded(2))
                    listing += "\"" + path + "\",\"001.0" + QByteArray::number(i) + "\"\r\n";
                else if (!path.contains(','))
                    listing += "  " + path.trimmed() + " ,002.0000\r\n";
            }
            if (random.bounded(5) == 0)
                listing += "D:\\x\\cut short.mp3";
            else if (random.bounded(4) == 0)
                listing += "\r\n  \r\n";
            writeTestFile(
                folder, QStringLiteral("PlayLists/Muzika %1.kat").arg(ShopFiles::cdNumberText(cd)),
                listing);
        }
    }

private slots:
    void sameRowsAsTheSingleThreadedSearch()
    {
        QRandomGenerator random(20261207);
        for (int shop = 0; shop < 4; ++shop) {
            QTemporaryDir folder;
            const int cdCount = 6;
            writeShop(folder.path(), random, cdCount);
            for (int round = 0; round < 150; ++round) {
                const int kinds[3][2] = {{1, 1}, {1, 0}, {0, 1}};
                const int* kind = kinds[random.bounded(3)];
                const SearchRequest request{folder.path() + u'/', randomPattern(random),
                                            random.bounded(2) ? SearchScope::every(cdCount)
                                                              : SearchScope::selected(2),
                                            kind[0], kind[1]};
                QList<FileRow> expected;
                try {
                    expected = SingleThreaded::search(request);
                } catch (const ZbirnikError&) {
                    QVERIFY_THROWS_EXCEPTION(ZbirnikError, searchListings(request));
                    continue;
                }
                const SearchResult found = searchListings(request);
                QList<FileRow> rows;
                for (int i = 0; i < found.rows.count(); ++i)
                    rows.append(found.rows.at(i));
                QVERIFY2(rows == expected, qPrintable(request.text));
            }
        }
    }

    void longNamesAndPatternsStayBounded()
    {
        // A pattern that can never fit, and one that fits only at the very end, against
        // names of 250 letters: each try ends at its last token.
        const QByteArray name(250, 'a');
        const SearchPattern never = SearchPattern::containing(QString(200, u'a') + u'b');
        const SearchPattern atTheEnd = SearchPattern::containing(QString(200, u'a') + u'b');
        QVERIFY(!never.matchesBytes(name));
        QVERIFY(atTheEnd.matchesBytes(name + 'B'));
        QVERIFY(!atTheEnd.matchesBytes('b' + name));
        QCOMPARE(never.matches(QString::fromLatin1(name)), false);
    }
};

ZBIRNIK_TEST(SearchOracleTest)
#include "SearchOracleTest.moc"
