// A search over every source CD of the largest shop, and the matcher on its own.
#include "SyntheticShop.h"
#include "listings/ListingSearch.h"
#include "listings/SearchPattern.h"
#include "listings/ShopFiles.h"

#include <QCoreApplication>
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
    for (auto _ : state) {
        const SearchResult result = searchListings(request);
        found = result.rows.count();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

// A text that some names contain, a wildcard pattern, and the empty text that finds
// every one of the 1 000 000 files.
BENCHMARK_CAPTURE(searchEveryCd, text, QStringLiteral("broj 12"))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(searchEveryCd, wildcards, QStringLiteral("zvijezde*[0-4]#?(*)"))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(searchEveryCd, everything, QString())
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The reading alone, for comparison: the part of a search the matcher cannot speed up.
void readEveryListing(benchmark::State& state)
{
    const QString putanja = shopFolder() + u'/';
    for (auto _ : state) {
        for (int cd = 1; cd <= kCdCount; ++cd)
            benchmark::DoNotOptimize(
                loadListing(ShopFiles::listingPath(putanja, cd), 1, 1).rows.count());
    }
}

BENCHMARK(readEveryListing)->Unit(benchmark::kMillisecond);

void matchName(benchmark::State& state, const QString& text)
{
    const SearchPattern pattern = SearchPattern::containing(text);
    const QString names[] = {QStringLiteral("Plavi Oblaci - Pjesma broj 123 (45).mp3"),
                             QStringLiteral("Zvijezde Juga - Pjesma broj 7 (999).DAT"),
                             QStringLiteral("Noćni Vlak - Pjesma broj 100 (12).mp3")};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern.matches(names[i++ % 3]));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(matchName, text, QStringLiteral("broj 12"));
BENCHMARK_CAPTURE(matchName, wildcards, QStringLiteral("zvijezde*[0-4]#?(*)"));
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
