#pragma once

#include "FieldRules.h"
#include "FileRowsModel.h"
#include "WorkControl.h"

#include <QByteArrayView>

#include <QList>
#include <QString>
#include <QStringList>

// The shop's files beside the program: the shop list "PlayList.kat" and one listing
// "PlayLists/Muzika NNN.kat" per source CD, all under the start folder.
namespace ShopFiles {

// The number of a source CD with at least three digits: 7 gives 007, 1000 gives 1000.
QString cdNumberText(int cdNumber);
QString shopListPath(const QString& putanja);
QString listingPath(const QString& putanja, int cdNumber);

// Every field of the shop list, one per source CD. Throws ZbirnikError when the file
// cannot be read or holds no field.
QStringList readShopList(const QString& path);

} // namespace ShopFiles

// Reads the records of a listing's bytes, calling onRecord(fullPath, size) with views into
// the bytes for each, until the end or until control asks to stop. Blank lines at the end
// are no record. Returns the number of records read; a listing that ends inside a record
// sets endsInsideRecord.
template <typename OnRecord>
qsizetype scanListing(QByteArrayView bytes, OnRecord&& onRecord, bool& endsInsideRecord,
                      const WorkControl* control = nullptr)
{
    endsInsideRecord = false;
    qsizetype records = 0;
    qsizetype pos = 0;
    // Where the last look for a character that is not blank found one.
    qsizetype nonBlank = -1;
    while (pos < bytes.size()) {
        if (nonBlank < pos) {
            nonBlank = pos;
            while (nonBlank < bytes.size() &&
                   (bytes[nonBlank] == ' ' || bytes[nonBlank] == '\r' || bytes[nonBlank] == '\n'))
                ++nonBlank;
            if (nonBlank >= bytes.size())
                break;
        }
        // A look at the flag every few thousand records keeps the loop tight.
        if (control && (records & 0xFFF) == 0 && control->isCancelled())
            break;
        const FieldRules::Span path = FieldRules::nextField(bytes, pos);
        if (pos >= bytes.size()) {
            endsInsideRecord = true;
            break;
        }
        const FieldRules::Span size = FieldRules::nextField(bytes, pos);
        onRecord(bytes.sliced(path.start, path.length), bytes.sliced(size.start, size.length));
        ++records;
    }
    return records;
}

// The message for a listing that ends inside a record, after the records read before it.
QString listingCutShort(const QString& path, qsizetype recordsRead);

// The bytes of a listing file, without a byte-order mark. Throws ZbirnikError when the file
// cannot be read, is no regular file or is larger than any listing can be.
QByteArray readListingBytes(const QString& path);

// The rows of a listing that the kind filter lets through, and the fault of a listing that
// ends inside a record (the records before it are kept).
struct LoadedListing
{
    PackedRows rows;
    QString fault;
    qsizetype records = 0;
};

// Throws as readListingBytes does. With control, reports the bytes read as progress and
// stops early when asked (the result is then incomplete).
LoadedListing loadListing(const QString& path, int mp3State, int videoState,
                          WorkControl* control = nullptr);
