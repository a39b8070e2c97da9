#pragma once

#include <QString>
#include <QStringView>

// Letter case as the 8-bit code page knows it. A letter becomes its capital only when that
// capital is a character of windows-1250 too, one for one: "ß" stays "ß" (never "SS") and
// "µ" stays "µ" (never Greek), so two names that differ in a file never compare equal.
// Characters outside the code page take their plain one-for-one capital.
namespace LetterCase {

char16_t upperBeyondAscii(char16_t c);

// Most names are plain ASCII: fold those inline.
inline char16_t upper(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
    return upperBeyondAscii(c);
}

QString upper(QStringView text);

// The plain letter of a capital with a diacritic of the code page (Č and Ć give C, Đ gives D,
// Ł gives L); every other character is itself.
char16_t withoutDiacritic(char16_t capital);

} // namespace LetterCase
