// Matches a name against a search pattern: the bytes before the first line feed are the
// pattern, the rest the name, both windows-1250. Patterns without a character list are
// checked against a plain dynamic-programming matcher (letter case and diacritics folded); every
// pattern must either be refused with a message or match without blowing up.
#include "listings/SearchPattern.h"
#include "platform/LetterCase.h"
#include "platform/TextCodec.h"
#include "platform/ZbirnikError.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// matches[i][j]: the first i characters of the pattern match the first j of the name.
bool referenceMatch(const QString& pattern, const QString& name)
{
    const qsizetype p = pattern.size(), n = name.size();
    std::vector<std::vector<char>> matches(p + 1, std::vector<char>(n + 1, 0));
    matches[0][0] = 1;
    for (qsizetype i = 1; i <= p; ++i) {
        const QChar token = pattern[i - 1];
        for (qsizetype j = 0; j <= n; ++j) {
            if (token == u'*') {
                matches[i][j] = matches[i - 1][j] || (j > 0 && matches[i][j - 1]);
                continue;
            }
            if (j == 0)
                continue;
            const QChar c = name[j - 1];
            const char16_t letter = LetterCase::upper(token.unicode());
            const char16_t capital = LetterCase::upper(c.unicode());
            const bool one = token == u'?' || (token == u'#' && c >= u'0' && c <= u'9') ||
                             (token != u'#' && (letter == capital ||
                                                letter == LetterCase::withoutDiacritic(capital)));
            matches[i][j] = one && matches[i - 1][j - 1];
        }
    }
    return matches[p][n];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    if (split < 0 || split > 64 || size - split > 512)
        return 0; // keep the reference matcher's table small
    const QString pattern = TextCodec::decode(bytes.left(split));
    const QString name = TextCodec::decode(bytes.mid(split + 1));
    try {
        const SearchPattern compiled(pattern);
        const bool matched = compiled.matches(name);
        if (!pattern.contains(u'[') && matched != referenceMatch(pattern, name))
            std::abort();
        if (!SearchPattern::containing(pattern).matches(name) && matched)
            std::abort();
    } catch (const ZbirnikError&) {
        if (!pattern.contains(u'['))
            std::abort(); // only a character list can make a pattern invalid
    }
    return 0;
}
