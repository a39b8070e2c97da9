// Loading a source CD: the largest listing the window meets, a listing of a million
// records (time to a filled list, and memory per record), and a file name of a megabyte.
// Each case runs the code of today and, as its baseline, the path it replaced.
#include "BenchMain.h"
#include "SyntheticShop.h"
#include "app/ElidedLabel.h"
#include "app/frmzBIRNIK.h"
#include "common/SingleThreadedSearch.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeUrlOpener.h"
#include "fakes/MemorySettingsStore.h"
#include "listings/FileKind.h"
#include "listings/ImeDatoteke.h"
#include "listings/ShopFiles.h"
#include "listings/SizeText.h"

#include <QLabel>
#include <QTemporaryDir>
#include <malloc.h>

namespace {

constexpr int kLargestListing = 32767;
constexpr int kMillion = 1000000;

// The window of the program on a shop of one source CD of fileCount files.
struct Window
{
    QTemporaryDir folder;
    MemorySettingsStore settings;
    FakePrompts prompts;
    FakeDialogBackend dialogs;
    FakeUrlOpener urls;
    frmzBIRNIK window{{settings, prompts, dialogs, urls}};

    explicit Window(int fileCount)
    {
        SyntheticShop::write(folder.path(), 1, fileCount);
        window.show();
        window.Form_Load(folder.path());
    }
};

void loadSourceCd(benchmark::State& state)
{
    const int fileCount = int(state.range(0));
    Window w(fileCount);
    for (auto _ : state) {
        w.window.cmbCDovi_Click();
        benchmark::DoNotOptimize(w.window.files().count());
    }
    if (w.window.files().count() != fileCount || !w.prompts.shown.isEmpty())
        state.SkipWithError("the listing did not load whole");
}

// Before: the listing decoded whole, read record by record into rows of three strings,
// the rows filled into the list, and the total summed from the size strings.
void loadSourceCdBaseline(benchmark::State& state)
{
    const int fileCount = int(state.range(0));
    Window w(fileCount);
    const QString path = ShopFiles::listingPath(w.window.shared().Putanja, 1);
    qsizetype rowCount = 0;
    for (auto _ : state) {
        QList<FileRow> rows;
        for (const SingleThreaded::Record& record : SingleThreaded::readListing(path)) {
            if (passesKindFilter(QStringView(record.fullPath), 1, 1))
                rows.append({ImeDatoteke(record.fullPath), record.fullPath, record.size});
        }
        benchmark::DoNotOptimize(
            sumSizes(rows, [](const FileRow& row) { return QStringView(row.size); }).bytes);
        rowCount = rows.size();
    }
    if (rowCount != fileCount)
        state.SkipWithError("the listing did not load whole");
}

BENCHMARK(loadSourceCdBaseline)
    ->Arg(kLargestListing)
    ->Arg(kMillion)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(loadSourceCd)
    ->Arg(kLargestListing)
    ->Arg(kMillion)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// Heap bytes that the rows of a million-record listing hold, per record.
void memoryPerRecord(benchmark::State& state)
{
    QTemporaryDir folder;
    SyntheticShop::write(folder.path(), 1, kMillion);
    const QString path = ShopFiles::listingPath(folder.path() + u'/', 1);
    double perRecord = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        const LoadedListing listing = loadListing(path, 1, 1);
        perRecord = double(mallinfo2().uordblks - before) / listing.rows.count();
    }
    state.counters["bytes_per_record"] = perRecord;
}

void memoryPerRecordBaseline(benchmark::State& state)
{
    QTemporaryDir folder;
    SyntheticShop::write(folder.path(), 1, kMillion);
    const QString path = ShopFiles::listingPath(folder.path() + u'/', 1);
    double perRecord = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        QList<FileRow> rows;
        for (const SingleThreaded::Record& record : SingleThreaded::readListing(path))
            rows.append({ImeDatoteke(record.fullPath), record.fullPath, record.size});
        perRecord = double(mallinfo2().uordblks - before) / double(rows.size());
    }
    state.counters["bytes_per_record"] = perRecord;
}

BENCHMARK(memoryPerRecordBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(memoryPerRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

// Showing a file name of a megabyte in the label under the lists, painted.
const QString kHugeName = QString(1 << 20, u'x') + QStringLiteral(".mp3");

template <typename Label, typename Set> void showHugeName(benchmark::State& state, Set set)
{
    Label label;
    label.resize(759, 24);
    label.show();
    for (auto _ : state) {
        set(label, kHugeName);
        benchmark::DoNotOptimize(label.grab());
        set(label, QString());
    }
}

void hugeNameBaseline(benchmark::State& state)
{
    showHugeName<QLabel>(state, [](QLabel& label, const QString& text) { label.setText(text); });
}

void hugeName(benchmark::State& state)
{
    showHugeName<ElidedLabel>(
        state, [](ElidedLabel& label, const QString& text) { label.setFullText(text); });
}

BENCHMARK(hugeNameBaseline)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(hugeName)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

ZBIRNIK_BENCHMARK_MAIN()
