#include "OrderFileReader.h"

#include "listings/ImeDatoteke.h"
#include "listings/OrderItemText.h"
#include "platform/CountForms.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QDir>

namespace {

// Every order file fits: 32 767 lines of 2 KiB, far longer than the paths of a CD.
constexpr qint64 kOrderFileCap = qint64(64) << 20;

} // namespace

OrderFileRecords::OrderFileRecords(const QByteArray& bytes, const QString& path)
    : m_reader(TextCodec::decodeFile(bytes, path)), m_path(path)
{
}

bool OrderFileRecords::next(Record& fields)
{
    if (m_reader.onlyBlankLinesLeft())
        return false;
    const int count = m_reader.readLine(fields);
    if (count != 3) {
        throw ZbirnikError(
            QStringLiteral("Datoteka \"%1\" nije ispravna PlayLista: red %2 ima %3 %4, a mora "
                           "imati tacno tri (oznaku CD-a, putanju i velicinu).")
                .arg(QDir::toNativeSeparators(m_path))
                .arg(m_reader.lineNumber())
                .arg(count)
                .arg(byCount(count, QStringLiteral("polje"), QStringLiteral("polja"),
                             QStringLiteral("polja"))));
    }
    return true;
}

QByteArray OrderFileRecords::readFile(const QString& path)
{
    return TextFile::readAll(path, kOrderFileCap);
}

namespace OrderFileReader {

QList<FileRow> parse(const QByteArray& bytes, const QString& path, qsizetype room)
{
    OrderFileRecords records(bytes, path);
    QList<FileRow> rows;
    // A file written by the program has one record per line.
    rows.reserve(qMin<qsizetype>(bytes.count('\n'), room + 1));
    Record fields;
    while (records.next(fields)) {
        if (rows.size() == room) {
            throw ZbirnikError(
                QStringLiteral("PlayLista \"%1\" nije otvorena: ima vise od %2 %4, koliko "
                               "ih jos stane u narudzbu (narudzba moze imati najvise %3).")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(room)
                    .arg(kMaxOrderItems)
                    .arg(byCount(room, QStringLiteral("datoteke"), QStringLiteral("datoteke"),
                                 QStringLiteral("datoteka"))));
        }
        rows.append({OrderItemText::make(fields[0], ImeDatoteke(fields[1])), fields[1], fields[2]});
    }
    return rows;
}

QList<FileRow> read(const QString& path, qsizetype room)
{
    return parse(OrderFileRecords::readFile(path), path, room);
}

} // namespace OrderFileReader
