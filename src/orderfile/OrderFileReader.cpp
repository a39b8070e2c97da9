#include "OrderFileReader.h"

#include "OrderFileWriter.h"
#include "listings/FieldRules.h"
#include "listings/ImeDatoteke.h"
#include "listings/OrderItemText.h"
#include "listings/WorkControl.h"
#include "platform/CountForms.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QDir>

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

QByteArray OrderFileRecords::readFile(const QString& path, const WorkControl* control)
{
    return TextFile::readAll(path, kMaxOrderFileBytes, control ? &control->cancelled : nullptr);
}

namespace OrderFileReader {

QList<FileRow> parse(const QByteArray& bytes, const QString& path, Room room,
                     const WorkControl* control)
{
    OrderFileRecords records(bytes, path);
    QList<FileRow> rows;
    const auto refuse = [&](const QString& reason) {
        throw ZbirnikError(QStringLiteral("PlayLista \"%1\" nije otvorena: %2")
                               .arg(QDir::toNativeSeparators(path), reason));
    };
    Record fields;
    qint64 fileBytes = 0;
    while (records.next(fields)) {
        if (control && (rows.size() & 0xFF) == 0 && control->isCancelled())
            throw WorkCancelled();
        if (rows.size() == room.items) {
            refuse(QStringLiteral("ima vise od %1 %3, koliko ih jos stane u narudzbu "
                                  "(narudzba moze imati najvise %2).")
                       .arg(room.items)
                       .arg(kMaxOrderItems)
                       .arg(byCount(room.items, QStringLiteral("datoteke"),
                                    QStringLiteral("datoteke"), QStringLiteral("datoteka"))));
        }
        for (const QString& field : fields) {
            if (field.size() > FieldRules::kMaxFieldLength) {
                refuse(QStringLiteral("red %1 ima polje duze od %2 znakova.")
                           .arg(records.lineNumber())
                           .arg(FieldRules::kMaxFieldLength));
            }
        }
        FileRow row{OrderItemText::make(fields[0], ImeDatoteke(fields[1])), fields[1], fields[2]};
        fileBytes += OrderFileWriter::savedSize(row);
        if (fileBytes > room.bytes) {
            refuse(QStringLiteral("narudzba bi s njom bila veca od %1 MB, koliko PlayLista moze "
                                  "imati.")
                       .arg(kMaxOrderFileBytes >> 20));
        }
        rows.append(std::move(row));
    }
    return rows;
}

QList<FileRow> read(const QString& path, Room room, const WorkControl* control)
{
    return parse(OrderFileRecords::readFile(path, control), path, room, control);
}

} // namespace OrderFileReader
