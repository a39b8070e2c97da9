#pragma once

#include "listings/FileRowsModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reads an order file back into order rows: each record of three fields gives the item
// "label: file name", the full path and the size text, the last two unchanged.
namespace OrderFileReader {

// A file that ends inside a record still gives that record, its missing fields empty.
QList<FileRow> parse(const QByteArray& bytes);

// Throws ZbirnikError naming the file and the reason when it cannot be read.
QList<FileRow> read(const QString& path);

} // namespace OrderFileReader
