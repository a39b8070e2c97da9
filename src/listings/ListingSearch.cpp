#include "ListingSearch.h"

#include "FileKind.h"
#include "SearchPattern.h"
#include "ShopFiles.h"
#include "platform/ZbirnikError.h"

namespace {

// At most this many files are named in one message; the rest are counted.
constexpr int kNamedProblems = 15;

QString cdLabel(int cdNumber)
{
    return QStringLiteral("CD ") + ShopFiles::cdNumberText(cdNumber) + QStringLiteral(": ");
}

} // namespace

SearchResult searchListings(const SearchRequest& request)
{
    const SearchPattern pattern = SearchPattern::containing(request.text);
    SearchResult result;
    for (int cd = request.scope.firstCd; cd <= request.scope.lastCd; ++cd) {
        Listing listing;
        try {
            listing = readListing(ShopFiles::listingPath(request.putanja, cd));
        } catch (const ZbirnikError& error) {
            result.problems.append(error.message());
            continue;
        }
        const QString label = request.scope.labelled ? cdLabel(cd) : QString();
        for (ListingRecord& record : listing.records) {
            if (!passesKindFilter(record.fullPath, request.mp3State, request.videoState))
                continue;
            // The text is matched against the name only, never against the folders.
            const QStringView name =
                QStringView(record.fullPath).sliced(record.fullPath.lastIndexOf(u'\\') + 1);
            if (!pattern.matches(name))
                continue;
            QString text;
            text.reserve(label.size() + name.size());
            text.append(label).append(name);
            result.rows.append(
                {std::move(text), std::move(record.fullPath), std::move(record.size)});
        }
        if (!listing.fault.isEmpty())
            result.problems.append(listing.fault);
    }
    return result;
}

QString describeSearchProblems(const QStringList& problems)
{
    QStringList named = problems.first(qMin<qsizetype>(kNamedProblems, problems.size()));
    if (problems.size() > kNamedProblems)
        named << QStringLiteral("... i jos %1 datoteka").arg(problems.size() - kNamedProblems);
    return QStringLiteral("Pretraga je preskocila datoteke koje se ne mogu procitati:\n") +
           named.join(u'\n');
}
