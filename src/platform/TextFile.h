#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access for the program's text files. Failures throw ZbirnikError naming the
// file and the reason.
namespace TextFile {

// Reads a shop list, listing or order file. Only a regular file is read: a FIFO or a device
// would hang the program or never end. A file larger than sizeCap, the most its kind can
// reasonably hold, is refused before it fills the memory.
QByteArray readAll(const QString& path, qint64 sizeCap);

// Replaces the file atomically: a failed write leaves the old file as it was. A writable file
// in a folder that is not writable is written in place instead, and a failed write puts its
// old bytes back.
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace TextFile
