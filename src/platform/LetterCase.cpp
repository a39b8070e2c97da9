#include "LetterCase.h"

#include "TextCodec.h"

#include <array>
#include <memory>

namespace LetterCase {

namespace {

// Every letter with a diacritic of the code page lies below this code point.
constexpr char16_t kDiacriticsEnd = 0x180;

struct Tables
{
    // The capital of every UTF-16 code unit.
    std::array<char16_t, 0x10000> upper;
    // The plain letter of every character below kDiacriticsEnd.
    std::array<char16_t, kDiacriticsEnd> plain;
};

char16_t plainLetter(char16_t capital)
{
    // Letters with a stroke have no decomposition.
    if (capital == u'Đ')
        return u'D';
    if (capital == u'Ł')
        return u'L';
    const QChar character(capital);
    const QString parts = character.decomposition();
    if (character.decompositionTag() == QChar::Canonical && !parts.isEmpty() &&
        parts[0].unicode() >= u'A' && parts[0].unicode() <= u'Z')
        return parts[0].unicode();
    return capital;
}

std::unique_ptr<Tables> makeTables()
{
    auto tables = std::make_unique<Tables>();
    std::array<bool, 0x10000> inCodePage{};
    for (const char16_t c : TextCodec::characters())
        inCodePage[c] = true;
    for (size_t c = 0; c < 0x10000; ++c) {
        const char16_t capital = QChar::toUpper(char16_t(c));
        tables->upper[c] = !inCodePage[c] || inCodePage[capital] ? capital : char16_t(c);
    }
    for (size_t c = 0; c < kDiacriticsEnd; ++c)
        tables->plain[c] = inCodePage[c] ? plainLetter(char16_t(c)) : char16_t(c);
    return tables;
}

const Tables& tables()
{
    static const std::unique_ptr<Tables> instance = makeTables();
    return *instance;
}

} // namespace

char16_t upperBeyondAscii(char16_t c)
{
    return tables().upper[c];
}

QString upper(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = upper(text[i].unicode());
    return result;
}

char16_t withoutDiacritic(char16_t capital)
{
    return capital < kDiacriticsEnd ? tables().plain[capital] : capital;
}

} // namespace LetterCase
