#include "OrderFileReader.h"

#include "listings/ImeDatoteke.h"
#include "listings/RecordReader.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

namespace OrderFileReader {

QList<FileRow> parse(const QByteArray& bytes)
{
    RecordReader reader(TextCodec::decode(bytes));
    QList<FileRow> rows;
    // A file written by the program has one record per line.
    rows.reserve(bytes.count('\n'));
    while (!reader.atEnd()) {
        // Field by field, so a record cut short by the end of the file is kept.
        Record fields;
        for (QString& field : fields) {
            if (reader.atEnd())
                break;
            field = reader.read(1)[0];
        }
        rows.append(
            {fields[0] + QStringLiteral(": ") + ImeDatoteke(fields[1]), fields[1], fields[2]});
    }
    return rows;
}

QList<FileRow> read(const QString& path)
{
    return parse(TextFile::readAll(path));
}

} // namespace OrderFileReader
