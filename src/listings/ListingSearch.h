#pragma once

#include "PackedRows.h"
#include "SizeText.h"
#include "WorkControl.h"

#include <QString>
#include <QStringList>

// Which source CDs a search reads: the selected one, or every one from 1 to the count.
// Results of every source CD are labelled "CD nnn: " so the customer sees where each
// file is; results of the selected one carry the name alone.
struct SearchScope
{
    int firstCd = 1;
    int lastCd = 1;
    bool labelled = false;

    static SearchScope selected(int cdNumber) { return {cdNumber, cdNumber, false}; }
    static SearchScope every(int cdCount) { return {1, cdCount, true}; }
};

struct SearchRequest
{
    // The start folder with its trailing separator.
    QString putanja;
    // The user's text; names containing it match, its wildcards acting as wildcards.
    QString text;
    SearchScope scope;
    // States of the dialog's own kind check boxes (0 clear, 1 ticked).
    int mp3State = 1;
    int videoState = 1;
};

// A search lists at most this many files: the empty search of 1 000 source CDs of 1 000
// files each still lists everything.
constexpr qsizetype kMaxSearchRows = 2000000;

struct SearchResult
{
    // The first kMaxSearchRows matches in file order, source CD after source CD.
    PackedRows rows;
    // Their total.
    SizeSum sum;
    // Matches after those.
    qsizetype leftOut = 0;
    // One text per listing file that could not be read, or could be read only in part.
    QStringList problems;
};

// Searches the listing files of the scope, several at once on a machine of several cores.
// A listing that cannot be read does not stop the search: it is named in problems and the
// other source CDs are still searched. Throws ZbirnikError before reading anything when the
// text is not a valid pattern. With control, reports the source CDs done as progress and
// stops early when asked (the result is then incomplete).
SearchResult searchListings(const SearchRequest& request, WorkControl* control = nullptr);

// One message naming the listing files a search could not read.
QString describeSearchProblems(const QStringList& problems);
