#pragma once

#include "FileRowsModel.h"

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

struct ListingRecord
{
    QString fullPath;
    QString size;
};
Q_DECLARE_TYPEINFO(ListingRecord, Q_RELOCATABLE_TYPE);

// The records of one listing file. Blank lines at its end are no record. A listing that
// ends inside a record keeps the records read before it, and fault names the file.
struct Listing
{
    QList<ListingRecord> records;
    QString fault;
};

// Throws ZbirnikError when the file cannot be read, is no regular file or is larger than
// any listing can be.
Listing readListing(const QString& path);
