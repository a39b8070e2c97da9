#pragma once

#include "listings/FileRowsModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes an order as the play list the shop burns from: one line per item of three quoted
// fields (the item's source CD label, the text before its first ": "; its full path; its
// size text) joined by commas, CR LF after each line, windows-1250 bytes, nothing else.
namespace OrderFileWriter {

// The bytes of the order file. The format has no escaping, so a field holding a double
// quote or a line break, or a character without a windows-1250 byte, cannot be written and
// read back: such an order is refused with a ZbirnikError naming the file and the item.
QByteArray format(const QList<FileRow>& rows, const QString& path);

// The bytes the row takes in an order file, and those of every row.
qint64 savedSize(const FileRow& row);
qint64 savedSize(const PackedRows& rows);

// Replaces the file atomically; throws ZbirnikError naming the file and the reason.
void save(const QString& path, const QList<FileRow>& rows);

} // namespace OrderFileWriter
