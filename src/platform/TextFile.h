#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access for the program's text files. Failures throw ZbirnikError naming
// the file and the reason.
namespace TextFile {
QByteArray readAll(const QString& path);
// Replaces the file atomically: a failed write leaves the old file as it was.
void writeAll(const QString& path, const QByteArray& bytes);
} // namespace TextFile
