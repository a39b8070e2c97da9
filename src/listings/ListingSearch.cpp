#include "ListingSearch.h"

#include "FileKind.h"
#include "ImeDatoteke.h"
#include "SearchPattern.h"
#include "ShopFiles.h"
#include "platform/CountForms.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"

#include <QThread>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace {

// At most this many files are named in one message; the rest are counted.
constexpr int kNamedProblems = 15;

// What one source CD gave.
struct CdResult
{
    PackedRows rows;
    QStringList problems;
};

CdResult searchCd(const SearchRequest& request, const SearchPattern& pattern, int cd,
                  const WorkControl* control)
{
    CdResult result;
    const QString path = ShopFiles::listingPath(request.putanja, cd);
    QByteArray bytes;
    try {
        bytes = readListingBytes(path);
    } catch (const ZbirnikError& error) {
        result.problems.append(error.message());
        return result;
    }
    const QByteArray label = request.scope.labelled
                                 ? "CD " + ShopFiles::cdNumberText(cd).toLatin1() + ": "
                                 : QByteArray();
    bool cutShort = false;
    const qsizetype records = scanListing(
        bytes,
        [&](QByteArrayView fullPath, QByteArrayView size) {
            // The text is matched against the name only, never against the folders; a name
            // that does not match is never decoded.
            const qsizetype start = nameStart(fullPath);
            if (!pattern.matchesBytes(fullPath.sliced(start)))
                return;
            if (!passesKindFilter(fullPath, request.mp3State, request.videoState))
                return;
            result.rows.append(label, fullPath, start, size);
        },
        cutShort, control);
    if (cutShort)
        result.problems.append(listingCutShort(path, records));
    return result;
}

} // namespace

SearchResult searchListings(const SearchRequest& request, WorkControl* control)
{
    const SearchPattern pattern = SearchPattern::containing(request.text);
    const int first = request.scope.firstCd;
    const int cdCount = qMax(0, request.scope.lastCd - first + 1);
    if (control) {
        control->total = cdCount;
        control->done = 0;
    }

    // Each worker takes the next source CD not yet taken; the results are joined in the
    // order of the source CDs, whatever order they were finished in.
    std::vector<CdResult> perCd(static_cast<size_t>(cdCount));
    std::atomic<int> next{0};
    // A failure on a helper thread (memory running out) ends the search and is thrown here.
    std::exception_ptr failure;
    std::atomic<bool> failed{false};
    const auto work = [&] {
        try {
            for (int k = next++; k < cdCount && !failed; k = next++) {
                if (control && control->isCancelled())
                    return;
                perCd[size_t(k)] = searchCd(request, pattern, first + k, control);
                if (control)
                    ++control->done;
            }
        } catch (...) {
            if (!failed.exchange(true))
                failure = std::current_exception();
        }
    };
    const int helpers = qMin(QThread::idealThreadCount(), cdCount) - 1;
    std::vector<std::thread> threads;
    for (int i = 0; i < helpers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);

    SearchResult result;
    qsizetype rows = 0;
    qsizetype bytes = 0;
    for (const CdResult& cd : perCd) {
        rows += cd.rows.count();
        bytes += cd.rows.byteCount();
    }
    result.rows.reserve(rows, bytes);
    for (CdResult& cd : perCd) {
        result.rows.append(cd.rows);
        cd.rows.clear();
        result.problems += cd.problems;
    }
    return result;
}

QString describeSearchProblems(const QStringList& problems)
{
    QStringList named = problems.first(qMin<qsizetype>(kNamedProblems, problems.size()));
    if (const qsizetype more = problems.size() - kNamedProblems; more > 0) {
        named << byCount(more, QStringLiteral("... i jos %1 datoteka"),
                         QStringLiteral("... i jos %1 datoteke"),
                         QStringLiteral("... i jos %1 datoteka"))
                     .arg(more);
    }
    return QStringLiteral("Pretraga je preskocila datoteke koje se ne mogu procitati:\n") +
           named.join(u'\n');
}
