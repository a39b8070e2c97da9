#pragma once

// The search as it was before listings were matched as bytes on several threads: every
// listing decoded whole, read record by record, each name matched by the greedy matcher
// that backtracks to the last star. Kept as the reference of the oracle test and as the
// baseline of the search benchmark.
#include "listings/FileKind.h"
#include "listings/FileRowsModel.h"
#include "listings/ListingSearch.h"
#include "listings/RecordReader.h"
#include "listings/ShopFiles.h"
#include "platform/LetterCase.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <vector>

namespace SingleThreaded {

class Pattern
{
public:
    // Throws ZbirnikError naming the problem when the pattern is invalid (a "[" without its
    // "]", or a descending range).
    explicit Pattern(QStringView pattern) : Pattern(pattern, pattern) {}

    // The pattern of the find dialog: the user's text between two "*", so a text without
    // special characters finds every name that contains it.
    static Pattern containing(QStringView text);

    // Greedy matching that backtracks only to the last "*": at worst names x tokens steps,
    // never exponential.
    bool matches(QStringView name) const;

private:
    // shownText is the text an error message names.
    Pattern(QStringView pattern, QStringView shownText);

    enum class Kind
    {
        Literal,
        AnyCharacter,
        Digit,
        CharacterSet,
        Star
    };
    struct Token
    {
        Kind kind;
        char16_t character = 0; // Literal
        int set = 0;            // CharacterSet: index into m_sets
    };
    struct Range
    {
        char16_t first;
        char16_t last;
    };
    struct CharacterSet
    {
        std::vector<Range> ranges;
        bool negated = false;
    };

    qsizetype compileList(QStringView pattern, qsizetype open, QStringView shownText);
    bool tokenMatches(const Token& token, char16_t upper) const;

    std::vector<Token> m_tokens;
    std::vector<CharacterSet> m_sets;
};

namespace detail {

using LetterCase::upper;

// The character of the name matches the letter of the pattern, or is that letter with a
// diacritic.
inline bool sameLetter(char16_t name, char16_t pattern)
{
    return name == pattern || LetterCase::withoutDiacritic(name) == pattern;
}

[[noreturn]] inline void invalid(QStringView text, const QString& problem)
{
    throw ZbirnikError(
        QStringLiteral("Tekst za trazenje \"%1\" nije ispravan: %2").arg(text.toString(), problem));
}

} // namespace detail

inline Pattern::Pattern(QStringView pattern, QStringView shownText)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i].unicode();
        switch (c) {
        case u'*':
            // A run of stars matches what one star matches.
            if (m_tokens.empty() || m_tokens.back().kind != Kind::Star)
                m_tokens.push_back({Kind::Star});
            break;
        case u'?':
            m_tokens.push_back({Kind::AnyCharacter});
            break;
        case u'#':
            m_tokens.push_back({Kind::Digit});
            break;
        case u'[':
            i = compileList(pattern, i, shownText);
            break;
        default:
            m_tokens.push_back({Kind::Literal, detail::upper(c)});
        }
    }
}

inline Pattern Pattern::containing(QStringView text)
{
    return Pattern(QString(u'*' + text.toString() + u'*'), text);
}

// Compiles the list that opens at position open; returns the position of its "]".
inline qsizetype Pattern::compileList(QStringView pattern, qsizetype open, QStringView shownText)
{
    const qsizetype close = pattern.indexOf(u']', open + 1);
    if (close < 0)
        detail::invalid(shownText,
                        QStringLiteral("uglasta zagrada \"[\" nije zatvorena sa \"]\"."));

    QStringView list = pattern.sliced(open + 1, close - open - 1);
    // "[]" stands for no character at all.
    if (list.isEmpty())
        return close;
    CharacterSet set;
    // "!" negates only when something follows it: "[!]" is a literal "!".
    if (list.size() > 1 && list[0] == u'!') {
        set.negated = true;
        list = list.sliced(1);
    }
    for (qsizetype j = 0; j < list.size(); ++j) {
        const char16_t first = detail::upper(list[j].unicode());
        // A hyphen between two characters makes a range; at either end it is itself.
        if (j + 2 < list.size() && list[j + 1] == u'-') {
            const char16_t last = detail::upper(list[j + 2].unicode());
            if (last < first) {
                detail::invalid(
                    shownText,
                    QStringLiteral("opseg \"%1\" nije rastuci.").arg(list.sliced(j, 3).toString()));
            }
            set.ranges.push_back({first, last});
            j += 2;
        } else {
            set.ranges.push_back({first, first});
        }
    }
    m_tokens.push_back({Kind::CharacterSet, 0, int(m_sets.size())});
    m_sets.push_back(std::move(set));
    return close;
}

inline bool Pattern::tokenMatches(const Token& token, char16_t c) const
{
    switch (token.kind) {
    case Kind::Literal:
        return detail::sameLetter(c, token.character);
    case Kind::AnyCharacter:
        return true;
    case Kind::Digit:
        return c >= u'0' && c <= u'9';
    case Kind::CharacterSet: {
        const CharacterSet& set = m_sets[size_t(token.set)];
        // A negated list is matched by the character as it is, a positive one by either form.
        for (const char16_t form : {c, LetterCase::withoutDiacritic(c)}) {
            for (const Range& range : set.ranges) {
                if (form >= range.first && form <= range.last)
                    return !set.negated;
            }
            if (set.negated)
                break;
        }
        return set.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

inline bool Pattern::matches(QStringView name) const
{
    // The empty search text: every name matches.
    if (m_tokens.size() == 1 && m_tokens[0].kind == Kind::Star)
        return true;

    // Fold the name once; backtracking then revisits folded characters only.
    QVarLengthArray<char16_t, 256> folded(name.size());
    for (qsizetype k = 0; k < name.size(); ++k)
        folded[k] = detail::upper(name[k].unicode());

    const size_t tokenCount = m_tokens.size();
    const qsizetype length = folded.size();
    const char16_t* const begin = folded.data();
    const char16_t* const end = begin + length;
    size_t t = 0;
    qsizetype i = 0;
    // The last star seen, and the name position it has been tried to swallow up to.
    size_t starToken = tokenCount;
    qsizetype starEnd = 0;
    // After a star, the name can only go on where the token after the star matches; when
    // that is a literal, jump straight to its next occurrence.
    const auto seekAfterStar = [&](qsizetype from) {
        const size_t next = starToken + 1;
        if (next < tokenCount && m_tokens[next].kind == Kind::Literal) {
            const char16_t letter = m_tokens[next].character;
            return qsizetype(
                std::find_if(begin + from, end,
                             [letter](char16_t c) { return detail::sameLetter(c, letter); }) -
                begin);
        }
        return from;
    };
    while (i < length) {
        if (t < tokenCount && m_tokens[t].kind == Kind::Star) {
            starToken = t++;
            starEnd = i = seekAfterStar(i);
        } else if (t < tokenCount && tokenMatches(m_tokens[t], folded[i])) {
            ++t;
            ++i;
        } else if (starToken < tokenCount) {
            // Let the last star swallow more characters and try again after them.
            t = starToken + 1;
            starEnd = i = seekAfterStar(starEnd + 1);
        } else {
            return false;
        }
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::Star)
        ++t;
    return t == tokenCount;
}

struct Record
{
    QString fullPath;
    QString size;
};

// Every record of a listing, decoded with the code page's own decoder; blank lines at the
// end are no record, and a listing cut short keeps the records before the cut.
inline QList<Record> readListing(const QString& path)
{
    RecordReader reader(QStringDecoder("windows-1250").decode(readListingBytes(path)));
    QList<Record> records;
    try {
        while (!reader.onlyBlankLinesLeft()) {
            ::Record record = reader.read(2);
            records.append({std::move(record[0]), std::move(record[1])});
        }
    } catch (const InputPastEndError&) {
    }
    return records;
}

// The rows a search finds; listings that cannot be read are passed over.
inline QList<FileRow> search(const SearchRequest& request)
{
    const Pattern pattern = Pattern::containing(request.text);
    QList<FileRow> rows;
    for (int cd = request.scope.firstCd; cd <= request.scope.lastCd; ++cd) {
        QList<Record> records;
        try {
            records = readListing(ShopFiles::listingPath(request.putanja, cd));
        } catch (const ZbirnikError&) {
            continue;
        }
        const QString label =
            request.scope.labelled
                ? QStringLiteral("CD ") + ShopFiles::cdNumberText(cd) + QStringLiteral(": ")
                : QString();
        for (Record& record : records) {
            if (!passesKindFilter(QStringView(record.fullPath), request.mp3State,
                                  request.videoState))
                continue;
            const QStringView name =
                QStringView(record.fullPath).sliced(record.fullPath.lastIndexOf(u'\\') + 1);
            if (!pattern.matches(name))
                continue;
            rows.append(
                {label + name.toString(), std::move(record.fullPath), std::move(record.size)});
        }
    }
    return rows;
}

} // namespace SingleThreaded
