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
// The text of the file at path. An editor may have saved it as UTF-8 with a byte-order mark:
// the mark is no part of the text and the rest is read as UTF-8. UTF-16 text is refused with a
// ZbirnikError naming the file, as are the bytes that follow in a file that is not text.
QString decodeFile(QByteArrayView bytes, const QString& path);
// The same file as windows-1250 bytes, for the readers that work on bytes: UTF-8 after a mark
// is written back in the code page, and a character that it lacks refuses the file.
QByteArray fileInCodePage(QByteArray bytes, const QString& path);
QByteArray encode(const QString& text);
// True when every character of the text has a byte in the 8-bit code page.
bool canEncode(const QString& text);
// The character of every byte value: decoding is one look-up per byte, safe from any thread.
const std::array<char16_t, 256>& characters();
// Decodes into a buffer of bytes.size() characters.
void decodeInto(QByteArrayView bytes, char16_t* out);
} // namespace TextCodec
