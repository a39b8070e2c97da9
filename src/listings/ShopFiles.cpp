#include "ShopFiles.h"

#include "FieldRules.h"
#include "FileKind.h"
#include "ImeDatoteke.h"
#include "RecordReader.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QDir>

namespace {

// The most each kind of file can reasonably hold: the shop list names at most 32 767 source
// CDs; a listing names every file of a source CD, with room for the largest shops.
constexpr qint64 kShopListCap = qint64(16) << 20;
constexpr qint64 kListingCap = qint64(256) << 20;

} // namespace

namespace ShopFiles {

QString cdNumberText(int cdNumber)
{
    return QString::number(cdNumber).rightJustified(3, u'0');
}

QString shopListPath(const QString& putanja)
{
    return putanja + QStringLiteral("PlayList.kat");
}

QString listingPath(const QString& putanja, int cdNumber)
{
    return putanja + QStringLiteral("PlayLists/Muzika ") + cdNumberText(cdNumber) +
           QStringLiteral(".kat");
}

ShopList readShopList(const QString& path)
{
    const QString text = TextCodec::decodeFile(TextFile::readAll(path, kShopListCap), path);
    RecordReader reader(text);
    ShopList list;
    while (!reader.atEnd() && list.entries.size() < kMaxSourceCds)
        list.entries.append(reader.read(1)[0]);
    if (list.entries.isEmpty()) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" ne sadrzi nijedan CD.")
                               .arg(QDir::toNativeSeparators(path)));
    }
    // The rest is only counted, without a string per field.
    for (qsizetype pos = text.size() - reader.remaining(); pos < text.size(); ++list.leftOut)
        FieldRules::nextField(text, pos);
    return list;
}

QString shopListTooLong(const QString& path, qsizetype leftOut)
{
    return QStringLiteral("Datoteka \"%1\" navodi vise od %2 CD-ova; prvih %2 je ucitano, "
                          "a jos %3 nije.")
        .arg(QDir::toNativeSeparators(path))
        .arg(kMaxSourceCds)
        .arg(leftOut);
}

} // namespace ShopFiles

QString listingCutShort(const QString& path, qsizetype recordsRead)
{
    return QStringLiteral("Datoteka \"%1\" zavrsava usred zapisa (iza zapisa %2).")
        .arg(QDir::toNativeSeparators(path))
        .arg(recordsRead);
}

QString describeBadRecords(const QString& path, const BadRecords& bad)
{
    if (bad.count == 0)
        return {};
    QStringList named;
    for (const qsizetype number : bad.firstNumbers)
        named << QString::number(number);
    QString text = QStringLiteral("Datoteka \"%1\": zapisi bez putanje ili s poljem duzim od "
                                  "%2 znakova nisu ucitani (zapis %3")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(FieldRules::kMaxFieldLength)
                       .arg(named.join(QStringLiteral(", ")));
    if (bad.count > bad.firstNumbers.size())
        text += QStringLiteral(" i jos %1").arg(bad.count - bad.firstNumbers.size());
    return text + QStringLiteral(").");
}

QByteArray readListingBytes(const QString& path, const WorkControl* control)
{
    return TextCodec::fileInCodePage(
        TextFile::readAll(path, kListingCap, control ? &control->cancelled : nullptr), path);
}

LoadedListing loadListing(const QString& path, int mp3State, int videoState, WorkControl* control)
{
    const QByteArray bytes = readListingBytes(path, control);
    // Progress: the bytes read once to count the rows and once to keep them.
    if (control)
        control->total = 2 * bytes.size();
    LoadedListing listing;
    // The rows are counted first and then take exactly their room: growing them as they
    // come would copy them, and hold them twice meanwhile.
    bool cutShort = false;
    qsizetype rowCount = 0;
    qsizetype rowBytes = 0;
    scanListing(
        bytes,
        [&](QByteArrayView fullPath, QByteArrayView size) {
            if (passesKindFilter(fullPath, mp3State, videoState)) {
                ++rowCount;
                rowBytes +=
                    PackedRows::recordSize(0, fullPath.size(), nameStart(fullPath), size.size());
            }
            if (control && (rowCount & 0xFFF) == 0)
                control->done = fullPath.data() - bytes.constData();
        },
        cutShort, listing.bad, control);
    listing.rows.reserve(rowCount, rowBytes);
    BadRecords seenAgain;
    qsizetype kept = 0;
    listing.records = scanListing(
        bytes,
        [&](QByteArrayView fullPath, QByteArrayView size) {
            if (!passesKindFilter(fullPath, mp3State, videoState))
                return;
            listing.rows.append({}, fullPath, nameStart(fullPath), size);
            if (control && (++kept & 0xFFF) == 0)
                control->done = bytes.size() + (fullPath.data() - bytes.constData());
        },
        cutShort, seenAgain, control);
    if (cutShort)
        listing.fault = listingCutShort(path, listing.records);
    listing.sum = sumSizes(listing.rows, 0, control);
    return listing;
}
