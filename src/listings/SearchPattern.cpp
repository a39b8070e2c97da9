#include "SearchPattern.h"

#include "platform/ZbirnikError.h"

#include <QVarLengthArray>
#include <algorithm>

namespace {

// Most names are plain ASCII: fold those inline and ask the Unicode tables for the rest.
inline char16_t upper(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
    return QChar::toUpper(c);
}

[[noreturn]] void invalid(QStringView text, const QString& problem)
{
    throw ZbirnikError(
        QStringLiteral("Tekst za trazenje \"%1\" nije ispravan: %2").arg(text.toString(), problem));
}

} // namespace

SearchPattern::SearchPattern(QStringView pattern, QStringView shownText)
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
            m_tokens.push_back({Kind::Literal, upper(c)});
        }
    }
}

SearchPattern SearchPattern::containing(QStringView text)
{
    return SearchPattern(QString(u'*' + text.toString() + u'*'), text);
}

// Compiles the list that opens at position open; returns the position of its "]".
qsizetype SearchPattern::compileList(QStringView pattern, qsizetype open, QStringView shownText)
{
    const qsizetype close = pattern.indexOf(u']', open + 1);
    if (close < 0)
        invalid(shownText, QStringLiteral("uglasta zagrada \"[\" nije zatvorena sa \"]\"."));

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
        const char16_t first = upper(list[j].unicode());
        // A hyphen between two characters makes a range; at either end it is itself.
        if (j + 2 < list.size() && list[j + 1] == u'-') {
            const char16_t last = upper(list[j + 2].unicode());
            if (last < first) {
                invalid(
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

bool SearchPattern::tokenMatches(const Token& token, char16_t c) const
{
    switch (token.kind) {
    case Kind::Literal:
        return c == token.character;
    case Kind::AnyCharacter:
        return true;
    case Kind::Digit:
        return c >= u'0' && c <= u'9';
    case Kind::CharacterSet: {
        const CharacterSet& set = m_sets[size_t(token.set)];
        bool inList = false;
        for (const Range& range : set.ranges) {
            if (c >= range.first && c <= range.last) {
                inList = true;
                break;
            }
        }
        return inList != set.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

bool SearchPattern::matches(QStringView name) const
{
    // The empty search text: every name matches.
    if (m_tokens.size() == 1 && m_tokens[0].kind == Kind::Star)
        return true;

    // Fold the name once; backtracking then revisits folded characters only.
    QVarLengthArray<char16_t, 256> folded(name.size());
    for (qsizetype k = 0; k < name.size(); ++k)
        folded[k] = upper(name[k].unicode());

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
        if (next < tokenCount && m_tokens[next].kind == Kind::Literal)
            return qsizetype(std::find(begin + from, end, m_tokens[next].character) - begin);
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
