#include "SearchPattern.h"

#include "platform/LetterCase.h"
#include "platform/TextCodec.h"
#include "platform/ZbirnikError.h"

#include <QVarLengthArray>
#include <algorithm>
#include <type_traits>

namespace {

using LetterCase::upper;

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
    compileParts();
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

// A letter typed without its diacritic also matches the letters with one (c matches Č and Ć),
// outside lists and in a positive list; a negated list excludes only what it names, so
// "[!A-Z]" still takes "Č".
bool SearchPattern::tokenMatches(const Token& token, char16_t c) const
{
    switch (token.kind) {
    case Kind::Literal:
        return c == token.character || LetterCase::withoutDiacritic(c) == token.character;
    case Kind::AnyCharacter:
        return true;
    case Kind::Digit:
        return c >= u'0' && c <= u'9';
    case Kind::CharacterSet: {
        const CharacterSet& set = m_sets[size_t(token.set)];
        const auto inList = [&set](char16_t x) {
            for (const Range& range : set.ranges) {
                if (x >= range.first && x <= range.last)
                    return true;
            }
            return false;
        };
        if (set.negated)
            return !inList(c);
        const char16_t plain = LetterCase::withoutDiacritic(c);
        return inList(c) || (plain != c && inList(plain));
    }
    case Kind::Star:
        break;
    }
    return false;
}

void SearchPattern::compileParts()
{
    const std::array<char16_t, 256>& characters = TextCodec::characters();
    m_byteMatches.resize(m_tokens.size());
    for (size_t t = 0; t < m_tokens.size(); ++t) {
        for (int b = 0; b < 256; ++b)
            m_byteMatches[t][size_t(b)] = m_tokens[t].kind != Kind::Star &&
                                          tokenMatches(m_tokens[t], upper(characters[size_t(b)]));
    }
    m_leadingStar = !m_tokens.empty() && m_tokens.front().kind == Kind::Star;
    m_trailingStar = !m_tokens.empty() && m_tokens.back().kind == Kind::Star;
    for (size_t t = 0; t < m_tokens.size();) {
        if (m_tokens[t].kind == Kind::Star) {
            ++t;
            continue;
        }
        Part part{t, 0, {}};
        while (t < m_tokens.size() && m_tokens[t].kind != Kind::Star)
            ++t;
        part.length = qsizetype(t - part.first);
        part.shift.fill(quint32(part.length));
        for (qsizetype j = 0; j + 1 < part.length; ++j) {
            for (int b = 0; b < 256; ++b) {
                if (m_byteMatches[part.first + size_t(j)][size_t(b)])
                    part.shift[size_t(b)] = quint32(part.length - 1 - j);
            }
        }
        m_parts.push_back(part);
    }
}

namespace {

// The name as matchParts sees it: decoded characters, folded to upper case once.
struct FoldedName
{
    const char16_t* characters;
    qsizetype length;
};

// The name as bytes of the file.
struct ByteName
{
    const unsigned char* bytes;
    qsizetype length;
};

} // namespace

template <typename Name>
bool SearchPattern::matchParts(const Name& name, const std::atomic<bool>* cancelled) const
{
    const qsizetype length = name.length;
    const auto tokenAt = [&](size_t t, qsizetype i) {
        if constexpr (std::is_same_v<Name, ByteName>)
            return m_byteMatches[t][name.bytes[i]];
        else
            return tokenMatches(m_tokens[t], name.characters[i]);
    };
    const auto fitsAt = [&](const Part& part, qsizetype at) {
        // From the last token back: a part that differs at its end fails at once.
        for (qsizetype j = part.length - 1; j >= 0; --j) {
            if (!tokenAt(part.first + size_t(j), at + j))
                return false;
        }
        return true;
    };
    const auto shiftAt = [&](const Part& part, qsizetype lastPosition) -> qsizetype {
        if constexpr (std::is_same_v<Name, ByteName>)
            return part.shift[name.bytes[lastPosition]];
        else
            return 1;
    };

    if (m_parts.empty())
        return m_leadingStar || length == 0;
    if (!m_leadingStar && !m_trailingStar && m_parts.size() == 1)
        return length == m_parts[0].length && fitsAt(m_parts[0], 0);

    size_t first = 0;
    size_t last = m_parts.size();
    qsizetype from = 0;
    qsizetype limit = length;
    if (!m_leadingStar) {
        const Part& part = m_parts[first++];
        if (part.length > length || !fitsAt(part, 0))
            return false;
        from = part.length;
    }
    if (!m_trailingStar) {
        const Part& part = m_parts[--last];
        if (from + part.length > length || !fitsAt(part, length - part.length))
            return false;
        limit = length - part.length;
    }
    // Every part between two stars goes to its leftmost place after the one before it.
    qsizetype rest = 0;
    for (size_t p = first; p < last; ++p)
        rest += m_parts[p].length;
    for (size_t p = first; p < last; ++p) {
        const Part& part = m_parts[p];
        rest -= part.length;
        qsizetype at = from;
        for (quint32 tries = 1; at + part.length + rest <= limit && !fitsAt(part, at); ++tries) {
            if (cancelled && (tries & 0xFF) == 0 && cancelled->load(std::memory_order_relaxed))
                return false;
            at += shiftAt(part, at + part.length - 1);
        }
        if (at + part.length + rest > limit)
            return false;
        from = at + part.length;
    }
    return true;
}

bool SearchPattern::matches(QStringView name) const
{
    // Fold the name once; every try then looks at folded characters only.
    QVarLengthArray<char16_t, 256> folded(name.size());
    for (qsizetype k = 0; k < name.size(); ++k)
        folded[k] = upper(name[k].unicode());
    return matchParts(FoldedName{folded.data(), folded.size()});
}

bool SearchPattern::matchesBytes(QByteArrayView name, const std::atomic<bool>* cancelled) const
{
    return matchParts(ByteName{reinterpret_cast<const unsigned char*>(name.data()), name.size()},
                      cancelled);
}
