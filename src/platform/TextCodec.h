#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// Every shop, listing and order file is 8-bit Central European text (windows-1250).
// Each byte is one character, and every byte value decodes to a character that encodes
// back to the same byte, so a file read and written again is byte-identical.
namespace TextCodec {
QString decode(QByteArrayView bytes);
// The text of a file: a UTF-8 byte-order mark that an editor put at its start is no part of
// the text and is skipped.
QString decodeFile(QByteArrayView bytes);
// The bytes of a file without that mark.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);
QByteArray encode(const QString& text);
// True when every character of the text has a byte in the 8-bit code page.
bool canEncode(const QString& text);
// The character of every byte value: decoding is one look-up per byte, safe from any thread.
const std::array<char16_t, 256>& characters();
// Decodes into a buffer of bytes.size() characters.
void decodeInto(QByteArrayView bytes, char16_t* out);
} // namespace TextCodec
