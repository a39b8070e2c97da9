#include "listings/SearchPattern.h"
#include "common/TestRegistry.h"
#include "platform/ZbirnikError.h"

#include <QElapsedTimer>
#include <QTest>

class SearchPatternTest : public QObject
{
    Q_OBJECT

    static bool match(const QString& name, const QString& pattern)
    {
        return SearchPattern(pattern).matches(name);
    }

private slots:
    void eachRule_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("expected");
        QTest::newRow("? one character") << "a?c"
                                         << "abc" << true;
        QTest::newRow("? not zero characters") << "a?c"
                                               << "ac" << false;
        QTest::newRow("* zero characters") << "a*c"
                                           << "ac" << true;
        QTest::newRow("* many characters") << "a*c"
                                           << "abbbbc" << true;
        QTest::newRow("* must still end right") << "a*c"
                                                << "abcd" << false;
        QTest::newRow("# a digit") << "track##"
                                   << "track07" << true;
        QTest::newRow("# not a letter") << "track##"
                                        << "track0x" << false;
        QTest::newRow("list") << "[bc]at"
                              << "cat" << true;
        QTest::newRow("list miss") << "[bc]at"
                                   << "hat" << false;
        QTest::newRow("range") << "[a-f]1"
                               << "D1" << true;
        QTest::newRow("range bounds") << "[a-f]1"
                                      << "G1" << false;
        QTest::newRow("ranges and singles") << "[0-3x-z_]"
                                            << "_" << true;
        QTest::newRow("negated list") << "[!0-9]x"
                                      << "ax" << true;
        QTest::newRow("negated list miss") << "[!0-9]x"
                                           << "5x" << false;
        QTest::newRow("hyphen at the end is itself") << "a[x-]b"
                                                     << "a-b" << true;
        QTest::newRow("bracketed star is literal") << "a[*]b"
                                                   << "a*b" << true;
        QTest::newRow("bracketed star not a wildcard") << "a[*]b"
                                                       << "axxb" << false;
        QTest::newRow("bracketed ? and #") << "[?][#]"
                                           << "?#" << true;
        QTest::newRow("bracketed [ is literal") << "x[[]"
                                                << "x[" << true;
        QTest::newRow("bracketed ! alone is literal") << "[!]"
                                                      << "!" << true;
        QTest::newRow("bracketed ! alone is no negation") << "[!]"
                                                          << "a" << false;
        QTest::newRow("leading ! negates, it is no member") << "[!0-9]x"
                                                            << "!x" << true;
        QTest::newRow("a negated ! excludes !") << "[!!]x"
                                                << "!x" << false;
        QTest::newRow("empty list stands for no character") << "a[]b"
                                                            << "ab" << true;
        QTest::newRow("whole name, not a part") << "song"
                                                << "my song" << false;
        QTest::newRow("case folded name") << "SONG.MP3"
                                          << "Song.mp3" << true;
        QTest::newRow("case folded range") << "[a-c]*"
                                           << "Beat" << true;
        QTest::newRow("Central European letters fold") << "*ČAŠA*"
                                                       << "čaša vode" << true;
        QTest::newRow("other letter case below U+0100") << "*ČARDÁŠ*"
                                                        << "čardáš.mp3" << true;
        QTest::newRow("other letter case, umlauts") << "ÄÖÜÔÉ"
                                                    << "äöüôé" << true;
        QTest::newRow("µ stays itself") << "µ"
                                        << "\u039C" << false;
        QTest::newRow("last part does not overlap the first") << "ab*ba"
                                                              << "aba" << false;
        QTest::newRow("a*a needs two letters") << "a*a"
                                               << "a" << false;
        QTest::newRow("letter without diacritic finds it") << "*kisa*"
                                                           << "Ljetna kiša na limu" << true;
        QTest::newRow("c, s, z, d fold") << "cCszd"
                                         << "čĆšžđ" << true;
        QTest::newRow("typed diacritic is only itself") << "*kiša*"
                                                        << "kisa" << false;
        QTest::newRow("positive list folds") << "[a-c]ardas"
                                             << "Čardaš" << true;
        QTest::newRow("negated list does not fold") << "[!A-Z]*"
                                                    << "Čardaš" << true;
        QTest::newRow("negated list excludes the plain letter") << "[!c]x"
                                                                << "cx" << false;
        QTest::newRow("empty pattern only empty name") << ""
                                                       << "" << true;
        QTest::newRow("empty pattern, a name") << ""
                                               << "x" << false;
    }
    void eachRule()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, expected);
        QCOMPARE(match(name, pattern), expected);
    }

    void containingFindsTheTextAnywhere()
    {
        const SearchPattern mp3 = SearchPattern::containing(u"mp3");
        QVERIFY(mp3.matches(u"Song.MP3"));
        QVERIFY(mp3.matches(u"song.mp3"));
        QVERIFY(!mp3.matches(u"song.wav"));
        // Empty text matches every name, the empty one too.
        QVERIFY(SearchPattern::containing(u"").matches(u"anything.dat"));
        QVERIFY(SearchPattern::containing(u"").matches(u""));
        // The user's spaces are kept.
        QVERIFY(!SearchPattern::containing(u" x").matches(u"x.mp3"));
    }

    void invalidPatternsAreNamed()
    {
        for (const QString& text :
             {QStringLiteral("abc[d"), QStringLiteral("["), QStringLiteral("[z-a]")}) {
            try {
                SearchPattern::containing(text);
                QFAIL(qPrintable(text + QStringLiteral(" was accepted")));
            } catch (const ZbirnikError& error) {
                // The message names what the user typed, not the pattern made of it.
                QVERIFY2(error.message().contains(u'"' + text + u'"'), qPrintable(error.message()));
            }
        }
    }

    void manyStarsStayFast()
    {
        const SearchPattern pattern(u"*a*a*a*a*a*a*a*b");
        const QString name = QString(5000, u'a');
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!pattern.matches(name));
        QVERIFY(pattern.matches(name + u'b'));
        // Exponential backtracking would take years; bounded work takes milliseconds.
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    }
};

ZBIRNIK_TEST(SearchPatternTest)
#include "SearchPatternTest.moc"
