// Loading a source CD of 32 767 files: read, parse, filter and fill the list.
#include "BenchMain.h"
#include "SyntheticShop.h"
#include "app/frmzBIRNIK.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeUrlOpener.h"
#include "fakes/MemorySettingsStore.h"
#include "listings/ShopFiles.h"

#include <QTemporaryDir>

namespace {

constexpr int kLargestListing = 32767;

void loadSourceCd(benchmark::State& state)
{
    QTemporaryDir folder;
    SyntheticShop::write(folder.path(), 1, kLargestListing);
    MemorySettingsStore settings;
    FakePrompts prompts;
    FakeDialogBackend dialogs;
    FakeUrlOpener urls;
    frmzBIRNIK window({settings, prompts, dialogs, urls});
    window.show();
    if (!window.Form_Load(folder.path()))
        state.SkipWithError("start-up failed");
    for (auto _ : state) {
        window.cmbCDovi_Click();
        benchmark::DoNotOptimize(window.files().count());
    }
    if (window.files().count() != kLargestListing || !prompts.shown.isEmpty())
        state.SkipWithError("the listing did not load whole");
}

void readListingOnly(benchmark::State& state)
{
    QTemporaryDir folder;
    SyntheticShop::write(folder.path(), 1, kLargestListing);
    const QString path = ShopFiles::listingPath(folder.path() + u'/', 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadListing(path, 1, 1).rows.count());
}

} // namespace

BENCHMARK(loadSourceCd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(readListingOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

ZBIRNIK_BENCHMARK_MAIN()
