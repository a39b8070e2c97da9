#include "OrderFileWriter.h"

#include "OrderFileReader.h"
#include "listings/OrderItemText.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QDir>

namespace OrderFileWriter {

namespace {

// A zero character is refused too: a file that starts with one reads as UTF-16 text.
bool holdsSeparator(QStringView field)
{
    return field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n') ||
           field.contains(u'\0');
}

[[noreturn]] void refuse(const QString& path, const FileRow& row, const QString& reason)
{
    throw ZbirnikError(QStringLiteral("Datoteka \"%1\" nije sacuvana: stavka \"%2\" %3.")
                           .arg(QDir::toNativeSeparators(path), row.text, reason));
}

} // namespace

qint64 savedSize(const FileRow& row)
{
    // Three quoted fields, two commas, CR LF; one byte per character.
    return OrderItemText::labelOf(row.text).size() + row.fullPath.size() + row.size.size() + 10;
}

qint64 savedSize(const PackedRows& rows)
{
    qint64 bytes = 0;
    for (int i = 0; i < rows.count(); ++i)
        bytes += savedSize(rows.at(i));
    return bytes;
}

QByteArray format(const QList<FileRow>& rows, const QString& path)
{
    QString text;
    text.reserve(rows.size() * 64);
    for (const FileRow& row : rows) {
        const QStringView label = OrderItemText::labelOf(row.text);
        if (holdsSeparator(label) || holdsSeparator(row.fullPath) || holdsSeparator(row.size)) {
            refuse(path, row,
                   QStringLiteral("sadrzi znak navoda (\"), prelom reda ili nulti znak, "
                                  "koji se u PlayListu ne mogu zapisati"));
        }
        // Piece by piece: no temporary string per line.
        text += u'"';
        text += label;
        text += QLatin1StringView("\",\"");
        text += row.fullPath;
        text += QLatin1StringView("\",\"");
        text += row.size;
        text += QLatin1StringView("\"\r\n");
    }

    // Adding and opening keep every order within what an order file may hold; this only
    // guards that rule.
    if (text.size() > kMaxOrderFileBytes) {
        throw ZbirnikError(
            QStringLiteral("Datoteka \"%1\" nije sacuvana: PlayLista bi bila veca od %2 MB.")
                .arg(QDir::toNativeSeparators(path))
                .arg(kMaxOrderFileBytes >> 20));
    }
    QByteArray bytes = TextCodec::encode(text);
    // Every item normally comes from a windows-1250 file; one that does not would be
    // written with substitutes, so find it and say which.
    if (TextCodec::decode(bytes) != text) {
        for (const FileRow& row : rows) {
            if (!TextCodec::canEncode(OrderItemText::labelOf(row.text).toString() + row.fullPath +
                                      row.size))
                refuse(path, row,
                       QStringLiteral("sadrzi slovo koje se u PlayListu ne moze zapisati"));
        }
    }
    return bytes;
}

void save(const QString& path, const QList<FileRow>& rows)
{
    TextFile::writeAll(path, format(rows, path));
}

} // namespace OrderFileWriter
