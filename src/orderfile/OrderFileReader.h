#pragma once

#include "listings/FileRowsModel.h"
#include "listings/RecordReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// An order holds at most this many items (list counts are 16-bit), and so does every order
// file the program writes.
constexpr qsizetype kMaxOrderItems = 32767;
// Nor is any order file larger than this, so every order the program holds can be opened.
constexpr qint64 kMaxOrderFileBytes = qint64(64) << 20;

struct WorkControl;

// The records of an order file, one line each: exactly three fields, the source CD label,
// the full path and the size text. A UTF-8 byte-order mark at the start and blank lines at
// the end are no records.
class OrderFileRecords
{
public:
    // path names the file in messages.
    OrderFileRecords(const QByteArray& bytes, const QString& path);

    // Reads the next record into fields; false at the end of the file. Throws ZbirnikError
    // naming the file and the line when a line does not hold exactly three fields.
    bool next(Record& fields);
    // The number, counted from 1, of the line of the last record.
    int lineNumber() const { return m_reader.lineNumber(); }

    // The bytes of an order file; one larger than any order file can be is refused.
    static QByteArray readFile(const QString& path, const WorkControl* control = nullptr);

private:
    RecordReader m_reader;
    QString m_path;
};

// Reads an order file back into order rows: each record gives the item "label: file name",
// the full path and the size text, the last two unchanged.
namespace OrderFileReader {

// What still fits into the order: items, and bytes of its file.
struct Room
{
    qsizetype items = kMaxOrderItems;
    qint64 bytes = kMaxOrderFileBytes;
};

// Throws ZbirnikError naming the file and the reason when a line does not hold three fields
// or a field is longer than any path can be, or as soon as the records would not fit into
// room, so a huge file is refused at once. With control, throws WorkCancelled when asked to
// stop.
QList<FileRow> parse(const QByteArray& bytes, const QString& path, Room room = {},
                     const WorkControl* control = nullptr);

// Also throws ZbirnikError naming the file and the reason when it cannot be read.
QList<FileRow> read(const QString& path, Room room = {}, const WorkControl* control = nullptr);

} // namespace OrderFileReader
