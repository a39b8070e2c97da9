#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

// Whole-file access for the program's text files. Failures throw ZbirnikError naming the
// file and the reason.
namespace TextFile {

// Reads a shop list, listing or order file. Only a regular file is read: a FIFO or a device
// would hang the program or never end. A file larger than sizeCap, the most its kind can
// reasonably hold, is refused before it fills the memory. Throws WorkCancelled as soon as
// cancelled is set.
QByteArray readAll(const QString& path, qint64 sizeCap,
                   const std::atomic<bool>* cancelled = nullptr);

// The file that writing to path replaces: symbolic links are followed to their final target.
// Throws ZbirnikError naming that target when it exists and is not a regular file (a FIFO, a
// device, a folder), which a write must never replace.
QString regularTarget(const QString& path);

// Replaces the file atomically: a failed write leaves the old file as it was. A symbolic
// link is followed and stays; a target that is not a regular file is refused. A writable file
// in a folder that is not writable is written in place instead, and a failed write puts its
// old bytes back.
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace TextFile
