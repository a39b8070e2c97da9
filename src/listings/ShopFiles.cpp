#include "ShopFiles.h"

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

QStringList readShopList(const QString& path)
{
    RecordReader reader(TextCodec::decodeFile(TextFile::readAll(path, kShopListCap), path));
    QStringList entries;
    while (!reader.atEnd())
        entries.append(reader.read(1)[0]);
    if (entries.isEmpty()) {
        throw ZbirnikError(QStringLiteral("Datoteka \"%1\" ne sadrzi nijedan CD.")
                               .arg(QDir::toNativeSeparators(path)));
    }
    return entries;
}

} // namespace ShopFiles

QString listingCutShort(const QString& path, qsizetype recordsRead)
{
    return QStringLiteral("Datoteka \"%1\" zavrsava usred zapisa (iza zapisa %2).")
        .arg(QDir::toNativeSeparators(path))
        .arg(recordsRead);
}

QByteArray readListingBytes(const QString& path)
{
    return TextCodec::fileInCodePage(TextFile::readAll(path, kListingCap), path);
}

LoadedListing loadListing(const QString& path, int mp3State, int videoState, WorkControl* control)
{
    const QByteArray bytes = readListingBytes(path);
    if (control)
        control->total = bytes.size();
    LoadedListing listing;
    // A listing written by the shop spends about 60 bytes on a record and keeps most of
    // them; a later squeeze gives back what is left over.
    listing.rows.reserve(bytes.count('\n') + 1, bytes.size());
    bool cutShort = false;
    qsizetype kept = 0;
    listing.records = scanListing(
        bytes,
        [&](QByteArrayView fullPath, QByteArrayView size) {
            if (!passesKindFilter(fullPath, mp3State, videoState))
                return;
            listing.rows.append({}, fullPath, nameStart(fullPath), size);
            if (control && (++kept & 0xFFF) == 0)
                control->done = fullPath.data() - bytes.constData();
        },
        cutShort, control);
    listing.rows.squeeze();
    if (cutShort)
        listing.fault = listingCutShort(path, listing.records);
    return listing;
}
