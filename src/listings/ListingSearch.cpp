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
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// At most this many files are named in one message; the rest are counted.
constexpr int kNamedProblems = 15;

// What one source CD gave.
struct CdResult
{
    PackedRows rows;
    // Matches not kept because the search already had all it lists.
    qsizetype leftOut = 0;
    QStringList problems;
};

// Keeps at most room matches of the source CD; the rest are only counted.
CdResult searchCd(const SearchRequest& request, const SearchPattern& pattern, int cd,
                  qsizetype room, const WorkControl* control)
{
    CdResult result;
    const QString path = ShopFiles::listingPath(request.putanja, cd);
    QByteArray bytes;
    try {
        bytes = readListingBytes(path, control);
    } catch (const ZbirnikError& error) {
        result.problems.append(error.message());
        return result;
    }
    const QByteArray label = request.scope.labelled
                                 ? "CD " + ShopFiles::cdNumberText(cd).toLatin1() + ": "
                                 : QByteArray();
    const std::atomic<bool>* cancelled = control ? &control->cancelled : nullptr;
    bool cutShort = false;
    BadRecords bad;
    const qsizetype records = scanListing(
        bytes,
        [&](QByteArrayView fullPath, QByteArrayView size) {
            // The text is matched against the name only, never against the folders; a name
            // that does not match is never decoded.
            const qsizetype start = nameStart(fullPath);
            if (!pattern.matchesBytes(fullPath.sliced(start), cancelled))
                return;
            if (!passesKindFilter(fullPath, request.mp3State, request.videoState))
                return;
            if (result.rows.count() >= room)
                ++result.leftOut;
            else
                result.rows.append(label, fullPath, start, size);
        },
        cutShort, bad, control);
    if (cutShort)
        result.problems.append(listingCutShort(path, records));
    if (bad.count > 0)
        result.problems.append(describeBadRecords(path, bad));
    return result;
}

// Joins the results of the source CDs in their order as soon as each one's turn comes, and
// lets each go at once: whatever order the workers finish in, the first matches are kept.
class JoinedResults
{
public:
    explicit JoinedResults(int cdCount) : m_waiting(size_t(cdCount)) {}

    // How many more matches the search can still list, as far as is known.
    qsizetype room() const
    {
        const std::lock_guard lock(m_mutex);
        return kMaxSearchRows - m_result.rows.count();
    }

    void add(int k, CdResult cd)
    {
        const std::lock_guard lock(m_mutex);
        m_waiting[size_t(k)] = std::move(cd);
        while (m_next < m_waiting.size() && m_waiting[m_next]) {
            CdResult& next = *m_waiting[m_next];
            const qsizetype fits =
                qMin<qsizetype>(next.rows.count(), kMaxSearchRows - m_result.rows.count());
            m_result.rows.append(next.rows, int(fits));
            m_result.leftOut += next.rows.count() - fits + next.leftOut;
            m_result.problems += next.problems;
            m_waiting[m_next].reset();
            ++m_next;
        }
    }

    SearchResult take() { return std::move(m_result); }

private:
    mutable std::mutex m_mutex;
    std::vector<std::optional<CdResult>> m_waiting;
    size_t m_next = 0;
    SearchResult m_result;
};

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

    // Each worker takes the next source CD not yet taken.
    JoinedResults joined(cdCount);
    std::atomic<int> next{0};
    // A failure on a helper thread (memory running out) ends the search and is thrown here.
    std::exception_ptr failure;
    std::atomic<bool> failed{false};
    const auto work = [&] {
        try {
            for (int k = next++; k < cdCount && !failed; k = next++) {
                if (control && control->isCancelled())
                    return;
                joined.add(k, searchCd(request, pattern, first + k, joined.room(), control));
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

    SearchResult result = joined.take();
    result.rows.squeeze();
    result.sum = sumSizes(result.rows, 0, control);
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
