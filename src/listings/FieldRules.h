#pragma once

#include <QtGlobal>

// Where the next comma-separated field of a text stands, by the rules of every file of the
// shop: spaces before a field are skipped, a field in double quotes may hold commas and
// spaces (whatever follows its closing quote up to the separator is dropped), an unquoted
// field loses its trailing spaces, and a comma or a line end (CR LF, a lone CR or a lone LF)
// closes it. One template serves decoded text and raw windows-1250 bytes alike: the rules
// look at ASCII characters only, which are the same in both.
namespace FieldRules {

// The longest field of the shop's files: the longest path the shops' own tools can write.
constexpr qsizetype kMaxFieldLength = 32767;

struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
};

template <typename Text> inline int unit(const Text& text, qsizetype i)
{
    if constexpr (sizeof(text[i]) == 1)
        return static_cast<unsigned char>(text[i]);
    else
        return text[i].unicode();
}

template <typename Text> inline bool isLineEnd(const Text& text, qsizetype i)
{
    const int c = unit(text, i);
    return c == '\r' || c == '\n';
}

// Consumes the comma or line end that closes a field, if one stands at pos.
template <typename Text> inline void consumeSeparator(const Text& text, qsizetype& pos)
{
    const qsizetype size = text.size();
    if (pos >= size)
        return;
    const int c = unit(text, pos);
    if (c == ',' || c == '\n') {
        ++pos;
    } else if (c == '\r') {
        ++pos;
        if (pos < size && unit(text, pos) == '\n')
            ++pos;
    }
}

// Reads the field at pos and moves pos past its separator.
template <typename Text> Span nextField(const Text& text, qsizetype& pos)
{
    const qsizetype size = text.size();
    while (pos < size && unit(text, pos) == ' ')
        ++pos;
    if (pos >= size)
        return {pos, 0};

    if (unit(text, pos) == '"') {
        const qsizetype start = pos + 1;
        qsizetype close;
        if constexpr (sizeof(text[0]) == 1)
            close = text.indexOf('"', start);
        else
            close = text.indexOf(u'"', start);
        if (close < 0)
            close = size;
        pos = close + 1;
        while (pos < size && unit(text, pos) != ',' && !isLineEnd(text, pos))
            ++pos;
        consumeSeparator(text, pos);
        return {start, close - start};
    }

    const qsizetype start = pos;
    while (pos < size && unit(text, pos) != ',' && !isLineEnd(text, pos))
        ++pos;
    qsizetype end = pos;
    while (end > start && unit(text, end - 1) == ' ')
        --end;
    consumeSeparator(text, pos);
    return {start, end - start};
}

} // namespace FieldRules
