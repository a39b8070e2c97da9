#include "ShopFiles.h"

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
    RecordReader reader(TextCodec::decodeFile(TextFile::readAll(path, kShopListCap)));
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

Listing readListing(const QString& path)
{
    RecordReader reader(TextCodec::decodeFile(TextFile::readAll(path, kListingCap)));
    Listing listing;
    try {
        while (!reader.onlyBlankLinesLeft()) {
            Record record = reader.read(2);
            listing.records.append({std::move(record[0]), std::move(record[1])});
        }
    } catch (const InputPastEndError&) {
        listing.fault = QStringLiteral("Datoteka \"%1\" zavrsava usred zapisa (iza zapisa %2).")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(listing.records.size());
    }
    return listing;
}
