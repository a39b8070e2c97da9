#pragma once

#include "FieldRules.h"
#include "FileRowsModel.h"
#include "SizeText.h"
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

// A shop names at most this many source CDs (their numbers are 16-bit).
constexpr int kMaxSourceCds = 32767;

struct ShopList
{
    // One field per source CD, the first kMaxSourceCds of the file.
    QStringList entries;
    // The fields after those.
    qsizetype leftOut = 0;
};

// The fields of the shop list, one per source CD. Throws ZbirnikError when the file cannot
// be read or holds no field.
ShopList readShopList(const QString& path);

// The message for a shop list longer than any shop can be.
QString shopListTooLong(const QString& path, qsizetype leftOut);

} // namespace ShopFiles

// Records that give no row: an empty path, or a field longer than kMaxFieldLength (a path
// cut short would name the wrong file). The first few are named by their number in the
// file, counted from 1; all are counted.
struct BadRecords
{
    static constexpr int kNamed = 10;

    QList<qsizetype> firstNumbers;
    qsizetype count = 0;

    void add(qsizetype number)
    {
        if (firstNumbers.size() < kNamed)
            firstNumbers.append(number);
        ++count;
    }
};

// One message naming the bad records of a file; empty when there are none.
QString describeBadRecords(const QString& path, const BadRecords& bad);

// Reads the records of a listing's bytes, calling onRecord(fullPath, size) with views into
// the bytes for each good record, until the end or until control asks to stop. Blank lines
// at the end are no record; bad records go into bad. Returns the number of records read; a
// listing that ends inside a record sets endsInsideRecord.
template <typename OnRecord>
qsizetype scanListing(QByteArrayView bytes, OnRecord&& onRecord, bool& endsInsideRecord,
                      BadRecords& bad, const WorkControl* control = nullptr)
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
        ++records;
        if (path.length == 0 || path.length > FieldRules::kMaxFieldLength ||
            size.length > FieldRules::kMaxFieldLength)
            bad.add(records);
        else
            onRecord(bytes.sliced(path.start, path.length), bytes.sliced(size.start, size.length));
    }
    return records;
}

// The message for a listing that ends inside a record, after the records read before it.
QString listingCutShort(const QString& path, qsizetype recordsRead);

// The bytes of a listing file, without a byte-order mark. Throws ZbirnikError when the file
// cannot be read, is no regular file or is larger than any listing can be.
QByteArray readListingBytes(const QString& path, const WorkControl* control = nullptr);

// The rows of a listing that the kind filter lets through with their total, the fault of a
// listing that ends inside a record (the records before it are kept), and its bad records.
struct LoadedListing
{
    PackedRows rows;
    SizeSum sum;
    QString fault;
    BadRecords bad;
    qsizetype records = 0;
};

// Throws as readListingBytes does. With control, reports the bytes read as progress and
// stops early when asked (throws WorkCancelled, or returns an incomplete result).
LoadedListing loadListing(const QString& path, int mp3State, int videoState,
                          WorkControl* control = nullptr);
