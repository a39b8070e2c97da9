// Loading a source CD: the largest listing the window meets, a listing of a million
// records (time to a filled list, and memory per record), a file name of a megabyte, and the
// payload of a drag of every row of a million-row list.
// Each case runs the code of today and, as its baseline, the path it replaced.
#include "BenchMain.h"
#include "PeakMemory.h"
#include "SyntheticShop.h"
#include "app/ElidedLabel.h"
#include "app/frmzBIRNIK.h"
#include "common/SingleThreadedSearch.h"
#include "common/TestFiles.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeUrlOpener.h"
#include "fakes/MemoryRecoveryStore.h"
#include "fakes/MemorySettingsStore.h"
#include "listings/FileKind.h"
#include "listings/ImeDatoteke.h"
#include "listings/ShopFiles.h"
#include "listings/SizeText.h"

#include <QLabel>
#include <QListView>
#include <QMimeData>
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
    MemoryRecoveryStore recovery;
    frmzBIRNIK window{{settings, prompts, dialogs, urls, recovery}};

    explicit Window(int fileCount)
    {
        SyntheticShop::write(folder.path(), 1, fileCount);
        show();
    }
    // A shop of one source CD whose listing file is these bytes.
    explicit Window(const QByteArray& listing)
    {
        writeTestFile(folder.path(), QStringLiteral("PlayList.kat"), "Prazni\r\n");
        writeTestFile(folder.path(), QStringLiteral("PlayLists/Muzika 001.kat"), listing);
        show();
    }

private:
    void show()
    {
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

// The same with a full order of 32 767 of the listing's files, which the file list marks,
// and the list painted after each load: marks are looked up for the rows on show only.
void loadSourceCdWithFullOrder(benchmark::State& state)
{
    const int fileCount = int(state.range(0));
    Window w(fileCount);
    w.window.cmdDodajSve_Click();
    w.prompts.shown.clear();
    for (auto _ : state) {
        w.window.cmbCDovi_Click();
        w.window.lstCD->viewport()->repaint();
        benchmark::DoNotOptimize(w.window.files().count());
    }
    if (w.window.files().count() != fileCount || w.window.order().count() != kLargestListing ||
        !w.prompts.shown.isEmpty())
        state.SkipWithError("the listing did not load whole, or the order is not full");
}

// The list model as it was: a list of rows of three strings.
class RowListModel : public QAbstractListModel
{
public:
    QList<FileRow> rows;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(rows.at(index.row()).text) : QVariant();
    }
    void setRows(QList<FileRow> newRows)
    {
        beginResetModel();
        rows = std::move(newRows);
        endResetModel();
    }
};

// Before: the listing decoded whole, read record by record into rows of three strings,
// the rows filled into a list view set up as the window's, and the total summed from the
// size strings.
void loadSourceCdBaseline(benchmark::State& state)
{
    const int fileCount = int(state.range(0));
    Window w(fileCount);
    const QString path = ShopFiles::listingPath(w.window.shared().Putanja, 1);
    RowListModel model;
    QListView view;
    view.setModel(&model);
    view.setUniformItemSizes(true);
    view.setLayoutMode(QListView::Batched);
    view.show();
    qsizetype rowCount = 0;
    for (auto _ : state) {
        QList<FileRow> rows;
        for (const SingleThreaded::Record& record : SingleThreaded::readListing(path)) {
            if (passesKindFilter(QStringView(record.fullPath), 1, 1))
                rows.append({ImeDatoteke(record.fullPath), record.fullPath, record.size});
        }
        model.setRows(std::move(rows));
        benchmark::DoNotOptimize(
            sumSizes(model.rows, [](const FileRow& row) { return QStringView(row.size); }).bytes);
        rowCount = model.rows.size();
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
BENCHMARK(loadSourceCdWithFullOrder)
    ->Arg(kMillion)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// What a drag of every row of a million-row file list carries (Ctrl+A, then a drag): the
// ranges of the selection, made at the start of the drag.
void dragPayloadOfEveryRow(benchmark::State& state)
{
    Window w(int(state.range(0)));
    w.window.lstCD->selectAll();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const std::unique_ptr<QMimeData> payload(w.window.lstCD->selectionData());
        bytes = payload->data(payload->formats().first()).size();
    }
    state.counters["bytes"] = double(bytes);
}

// Before: what the item view's own drag gathers and carries, every selected row's data.
void dragPayloadOfEveryRowBaseline(benchmark::State& state)
{
    Window w(int(state.range(0)));
    w.window.lstCD->selectAll();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QModelIndexList rows = w.window.lstCD->selectionModel()->selectedIndexes();
        const std::unique_ptr<QMimeData> payload(w.window.lstCD->model()->mimeData(rows));
        bytes = payload->data(payload->formats().first()).size();
    }
    state.counters["bytes"] = double(bytes);
}

BENCHMARK(dragPayloadOfEveryRowBaseline)
    ->Arg(kMillion)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(dragPayloadOfEveryRow)->Arg(kMillion)->Unit(benchmark::kMillisecond);

// Heap bytes in use, the large blocks that malloc maps on their own included.
size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap bytes that the rows of a million-record listing hold, per record, as load(path)
// keeps them.
template <typename Load> void bytesPerRecord(benchmark::State& state, Load load)
{
    QTemporaryDir folder;
    SyntheticShop::write(folder.path(), 1, kMillion);
    const QString path = ShopFiles::listingPath(folder.path() + u'/', 1);
    double perRecord = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        const auto rows = load(path);
        perRecord = double(heapInUse() - before) / double(rows.count());
    }
    state.counters["bytes_per_record"] = perRecord;
}

void memoryPerRecord(benchmark::State& state)
{
    bytesPerRecord(state, [](const QString& path) { return loadListing(path, 1, 1).rows; });
}

void memoryPerRecordBaseline(benchmark::State& state)
{
    bytesPerRecord(state, [](const QString& path) {
        QList<FileRow> rows;
        for (const SingleThreaded::Record& record : SingleThreaded::readListing(path))
            rows.append({ImeDatoteke(record.fullPath), record.fullPath, record.size});
        return rows;
    });
}

BENCHMARK(memoryPerRecordBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(memoryPerRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

// Listings of 64 MB of the two degenerate shapes: bare line feeds (every record has an empty
// path and gives no row) and the densest rows ("a,1" records, 16 million rows). Time to the
// filled window, and the peak of resident memory above the start, in MB.
void degenerateListing(benchmark::State& state, const QByteArray& record, int rows)
{
    Window w(record.repeated((64 << 20) / record.size()));
    double peakMb = 0;
    for (auto _ : state) {
        const PeakMemory peak;
        w.window.cmbCDovi_Click();
        peakMb = peak.megabytes();
    }
    state.counters["peak_MB_over_start"] = peakMb;
    if (w.window.files().count() != rows)
        state.SkipWithError("the rows are not the records");
}

BENCHMARK_CAPTURE(degenerateListing, bareLineFeeds, QByteArray("\n"), 0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(degenerateListing, denseRows, QByteArray("a,1\n"), 16 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

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
