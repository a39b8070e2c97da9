// A search over every source CD of the largest shop, and the matcher on its own. Each case
// runs the search of today and, as its baseline, the single-threaded search it replaced.
#include "PeakMemory.h"
#include "SyntheticShop.h"
#include "common/SingleThreadedSearch.h"
#include "listings/ListingSearch.h"
#include "listings/SearchPattern.h"
#include "listings/ShopFiles.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCdCount = 1000;
constexpr int kFilesPerCd = 1000;

// Written once, on first use, and removed when the program ends.
QString shopFolder()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        SyntheticShop::write(folder.path(), kCdCount, kFilesPerCd);
        return folder.path();
    }();
    return path;
}

void searchEveryCd(benchmark::State& state, const QString& text)
{
    const SearchRequest request{shopFolder() + u'/', text, SearchScope::every(kCdCount), 1, 1};
    qsizetype found = 0;
    double peakMb = 0;
    for (auto _ : state) {
        const PeakMemory peak;
        const SearchResult result = searchListings(request);
        found = result.rows.count();
        benchmark::DoNotOptimize(found);
        peakMb = peak.megabytes();
    }
    state.counters["found"] = double(found);
    state.counters["peak_MB"] = peakMb;
}

void searchEveryCdBaseline(benchmark::State& state, const QString& text)
{
    const SearchRequest request{shopFolder() + u'/', text, SearchScope::every(kCdCount), 1, 1};
    qsizetype found = 0;
    for (auto _ : state) {
        found = SingleThreaded::search(request).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

#define SEARCH_CASE(name, text)                                                                    \
    BENCHMARK_CAPTURE(searchEveryCdBaseline, name, text)                                           \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly();                                                                  \
    BENCHMARK_CAPTURE(searchEveryCd, name, text)                                                   \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly()

// A text that some names contain, a wildcard pattern, and the empty text that finds
// every one of the 1 000 000 files.
SEARCH_CASE(text, QStringLiteral("broj 12"));
SEARCH_CASE(wildcards, QStringLiteral("zvijezde*[0-4]#?(*)"));
SEARCH_CASE(everything, QString());

// The reading alone: today the bytes are read and split into records, before it they were
// decoded whole and read record by record.
void readEveryListing(benchmark::State& state)
{
    const QString putanja = shopFolder() + u'/';
    for (auto _ : state) {
        for (int cd = 1; cd <= kCdCount; ++cd) {
            const QByteArray bytes = readListingBytes(ShopFiles::listingPath(putanja, cd));
            bool cutShort = false;
            BadRecords bad;
            benchmark::DoNotOptimize(scanListing(
                bytes, [](QByteArrayView, QByteArrayView) {}, cutShort, bad));
        }
    }
}

void readEveryListingBaseline(benchmark::State& state)
{
    const QString putanja = shopFolder() + u'/';
    for (auto _ : state) {
        for (int cd = 1; cd <= kCdCount; ++cd)
            benchmark::DoNotOptimize(
                SingleThreaded::readListing(ShopFiles::listingPath(putanja, cd)));
    }
}

BENCHMARK(readEveryListingBaseline)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(readEveryListing)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The crafted worst case: a text of 200 "a" and a "b" against 100 000 names of 250 "a".
constexpr int kCraftedCds = 100;

QString craftedFolder()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        QDir().mkpath(folder.path() + QStringLiteral("/PlayLists"));
        const QByteArray line = "D:\\x\\" + QByteArray(250, 'a') + ",001.0000\r\n";
        const QByteArray listing = line.repeated(1000);
        for (int cd = 1; cd <= kCraftedCds; ++cd)
            TextFile::writeAll(ShopFiles::listingPath(folder.path() + u'/', cd), listing);
        return folder.path();
    }();
    return path;
}

const QString kCraftedText = QString(200, u'a') + u'b';

void craftedSearch(benchmark::State& state)
{
    const SearchRequest request{craftedFolder() + u'/', kCraftedText,
                                SearchScope::every(kCraftedCds), 1, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(searchListings(request).rows.count());
}

void craftedSearchBaseline(benchmark::State& state)
{
    const SearchRequest request{craftedFolder() + u'/', kCraftedText,
                                SearchScope::every(kCraftedCds), 1, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(SingleThreaded::search(request).size());
}

BENCHMARK(craftedSearchBaseline)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(craftedSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

const QByteArray kNames[] = {"Plavi Oblaci - Pjesma broj 123 (45).mp3",
                             "Zvijezde Juga - Pjesma broj 7 (999).DAT",
                             "No\xe8ni Vlak - Pjesma broj 100 (12).mp3"};

void matchName(benchmark::State& state, const QString& text)
{
    const SearchPattern pattern = SearchPattern::containing(text);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.matchesBytes(kNames[i++ % 3]));
    state.SetItemsProcessed(state.iterations());
}

void matchNameBaseline(benchmark::State& state, const QString& text)
{
    const SingleThreaded::Pattern pattern = SingleThreaded::Pattern::containing(text);
    const QString names[] = {TextCodec::decode(kNames[0]), TextCodec::decode(kNames[1]),
                             TextCodec::decode(kNames[2])};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.matches(names[i++ % 3]));
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(matchNameBaseline, text, QStringLiteral("broj 12"));
BENCHMARK_CAPTURE(matchName, text, QStringLiteral("broj 12"));
BENCHMARK_CAPTURE(matchNameBaseline, wildcards, QStringLiteral("zvijezde*[0-4]#?(*)"));
BENCHMARK_CAPTURE(matchName, wildcards, QStringLiteral("zvijezde*[0-4]#?(*)"));
BENCHMARK_CAPTURE(matchNameBaseline, manyStars, QStringLiteral("a*a*a*a*a*a*a*b"));
BENCHMARK_CAPTURE(matchName, manyStars, QStringLiteral("a*a*a*a*a*a*a*b"));

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
