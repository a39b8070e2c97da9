#pragma once

#include <QByteArray>
#include <QString>

// Every shop, listing and order file is 8-bit Central European text (windows-1250).
// Each byte is one character, and every byte value decodes to a character that encodes
// back to the same byte, so a file read and written again is byte-identical.
namespace TextCodec {
QString decode(const QByteArray& bytes);
// The text of a file: a UTF-8 byte-order mark that an editor put at its start is no part of
// the text and is skipped.
QString decodeFile(const QByteArray& bytes);
QByteArray encode(const QString& text);
// True when every character of the text has a byte in the 8-bit code page.
bool canEncode(const QString& text);
} // namespace TextCodec
