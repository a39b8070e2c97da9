// Building the order at the largest sizes: "Dodaj Sve" into an empty and into a full
// order, "Dodaj Sve" against ten previous orders, undoing "Izbrisi Sve", and "< Izbrisi" and
// Alt+Up of every other item, each through the real window, beside the straightforward quadratic
// walk.
#include "../tests/fakes/FakeDialogBackend.h"
#include "../tests/fakes/FakePrompts.h"
#include "../tests/fakes/FakeUrlOpener.h"
#include "../tests/fakes/MemoryRecoveryStore.h"
#include "../tests/fakes/MemorySettingsStore.h"
#include "../tests/order/StraightforwardWalk.h"
#include "SyntheticShop.h"
#include "app/frmzBIRNIK.h"
#include "listings/ShopFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kLargest = 32767;
constexpr int kPreviousFiles = 10;
constexpr int kPreviousRecords = 5000;

// A shown main window over a synthetic shop of two source CDs of kLargest files each.
struct BenchWindow
{
    QTemporaryDir folder;
    MemorySettingsStore settings;
    FakePrompts prompts;
    FakeDialogBackend dialogs;
    FakeUrlOpener urls;
    MemoryRecoveryStore recovery;
    frmzBIRNIK window{PlatformServices{settings, prompts, dialogs, urls, recovery}};

    BenchWindow()
    {
        SyntheticShop::write(folder.path(), 2, kLargest);
        window.Form_Load(folder.path());
        window.show();
        QCoreApplication::processEvents();
    }

    void showCd(int index)
    {
        window.cmbCDovi->setCurrentIndex(index);
        window.cmbCDovi_Click();
    }
};

// Made on first use and destroyed before the application object.
std::unique_ptr<BenchWindow> g_window;

BenchWindow& benchWindow()
{
    if (!g_window)
        g_window = std::make_unique<BenchWindow>();
    return *g_window;
}

// The previous orders: order files whose names match no file of the shop.
QStringList writePreviousOrders(const QString& folder)
{
    QStringList paths;
    for (int file = 0; file < kPreviousFiles; ++file) {
        QByteArray bytes;
        for (int record = 0; record < kPreviousRecords; ++record)
            bytes += QStringLiteral("\"CD 0%1: Stara %2.mp3\",\"E:\\Stari\\Stara %1-%2.mp3\","
                                    "\"004.0512\"\r\n")
                         .arg(file + 10)
                         .arg(record)
                         .toLatin1();
        const QString path = folder + QStringLiteral("/stari%1.txt").arg(file);
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
        paths << path;
    }
    return paths;
}

// Every file gets a new modification time, so the next batch reads it again.
void touch(const QStringList& paths)
{
    static QDateTime stamp = QDateTime::currentDateTime();
    stamp = stamp.addSecs(1);
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
}

const AddingPrompts kSilent{[](const QString&) { return true; }, [](const QString&) {},
                            [](const QString&) {}};

QList<FileRow> entries(int count, int seed)
{
    QList<FileRow> rows;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("Izvodjac %1 - Pjesma broj %2.mp3").arg(seed).arg(i);
        rows.append({name, QStringLiteral("D:\\Muzika\\") + name, QStringLiteral("004.0512")});
    }
    return rows;
}

void DodajSveIntoEmptyOrder(benchmark::State& state)
{
    BenchWindow& shop = benchWindow();
    shop.showCd(0);
    for (auto _ : state) {
        state.PauseTiming();
        shop.window.cmdIzbrisiSve_Click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        shop.window.cmdDodajSve_Click();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = shop.window.order().count();
}

void DodajSveIntoFullOrder(benchmark::State& state)
{
    BenchWindow& shop = benchWindow();
    for (auto _ : state) {
        state.PauseTiming();
        shop.window.cmdIzbrisiSve_Click();
        shop.showCd(1);
        shop.window.cmdDodajSve_Click();
        shop.showCd(0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        shop.window.cmdDodajSve_Click();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = shop.window.order().count();
}

void DodajSveAgainstPreviousOrders(benchmark::State& state)
{
    BenchWindow& shop = benchWindow();
    const QStringList paths = writePreviousOrders(shop.folder.path());
    shop.window.shared().ProsliCD = QStringList{QString()} + paths;
    shop.window.shared().BrojProslihCD = kPreviousFiles;
    shop.showCd(0);
    for (auto _ : state) {
        state.PauseTiming();
        shop.window.cmdIzbrisiSve_Click();
        touch(paths);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        shop.window.cmdDodajSve_Click();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = shop.window.order().count();
    shop.window.shared().BrojProslihCD = 0;
}

// Selects every other item of the order from the first one, which becomes current.
void selectEveryOtherItem(frmzBIRNIK& window, int first)
{
    QItemSelection everyOther;
    const QAbstractItemModel* model = window.lstCDNarucen->model();
    for (int row = first; row < model->rowCount(); row += 2)
        everyOther.select(model->index(row, 0), model->index(row, 0));
    QItemSelectionModel* selection = window.lstCDNarucen->selectionModel();
    selection->select(everyOther, QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(model->index(first, 0), QItemSelectionModel::NoUpdate);
    QCoreApplication::processEvents();
}

// The window with every file of the first source CD, the largest order, in the order.
BenchWindow& windowWithLargestOrder()
{
    BenchWindow& shop = benchWindow();
    shop.showCd(0);
    shop.window.cmdIzbrisiSve_Click();
    shop.window.cmdDodajSve_Click();
    return shop;
}

void IzbrisiEveryOtherItem(benchmark::State& state)
{
    BenchWindow& shop = benchWindow();
    shop.showCd(0);
    for (auto _ : state) {
        state.PauseTiming();
        shop.window.cmdIzbrisiSve_Click();
        shop.window.cmdDodajSve_Click();
        selectEveryOtherItem(shop.window, 0);
        state.ResumeTiming();
        shop.window.cmdIzbrisi_Click();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = shop.window.order().count();
}

// Alt+Up on every other item of the largest order: one step, the moved items selected again.
void PomjeriGoreEveryOtherItem(benchmark::State& state)
{
    BenchWindow& shop = windowWithLargestOrder();
    for (auto _ : state) {
        state.PauseTiming();
        selectEveryOtherItem(shop.window, 1);
        state.ResumeTiming();
        shop.window.moveOrderUp();
        QCoreApplication::processEvents();
        state.PauseTiming();
        shop.window.undoOrder();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["items"] = shop.window.order().count();
}

// Ctrl+Z after "Izbrisi Sve" of the largest order: the rows, the totals and the selection of
// every item put back.
void UndoIzbrisiSve(benchmark::State& state)
{
    BenchWindow& shop = windowWithLargestOrder();
    for (auto _ : state) {
        state.PauseTiming();
        shop.window.cmdIzbrisiSve_Click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        shop.window.undoOrder();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = shop.window.order().count();
}

// The same batch on the order alone, without a window.
void CoreAddToOrderIntoEmptyOrder(benchmark::State& state)
{
    const QList<FileRow> rows = entries(kLargest, 1);
    PreviousOrdersIndex index;
    for (auto _ : state) {
        OrderDocument order;
        PreviousOrders previous{index, {}};
        addToOrder(order, rows, 0, previous, kSilent);
        benchmark::DoNotOptimize(order);
    }
}

// The straightforward walks, on plain lists without a window.
void BaselineDodajSveIntoEmptyOrder(benchmark::State& state)
{
    const QList<FileRow> rows = entries(int(state.range(0)), 1);
    for (auto _ : state) {
        QList<FileRow> order;
        Straightforward::addToOrder(order, rows, 0, {}, kSilent);
        benchmark::DoNotOptimize(order);
    }
}

void BaselineDodajSveIntoFullOrder(benchmark::State& state)
{
    const QList<FileRow> rows = entries(int(state.range(0)), 1);
    QList<FileRow> full;
    for (const FileRow& row : entries(int(state.range(0)), 2))
        full.append({QStringLiteral("CD 002: ") + row.text, row.fullPath, row.size});
    for (auto _ : state) {
        QList<FileRow> order = full;
        Straightforward::addToOrder(order, rows, 0, {}, kSilent);
        benchmark::DoNotOptimize(order);
    }
}

void BaselineDodajSveAgainstPreviousOrders(benchmark::State& state)
{
    QTemporaryDir folder;
    const QStringList paths = writePreviousOrders(folder.path());
    const QList<FileRow> rows = entries(int(state.range(0)), 1);
    for (auto _ : state) {
        QList<FileRow> order;
        Straightforward::addToOrder(order, rows, 0, paths, kSilent);
        benchmark::DoNotOptimize(order);
    }
}

// Removes the selected items one at a time from the three parallel lists.
void BaselineIzbrisiEveryOtherItem(benchmark::State& state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QList<QString> texts, paths, sizes;
        QList<bool> selected;
        for (const FileRow& row : entries(count, 1)) {
            texts << row.text;
            paths << row.fullPath;
            sizes << row.size;
            selected << (selected.size() % 2 == 0);
        }
        state.ResumeTiming();
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (selected[i]) {
                texts.removeAt(i);
                paths.removeAt(i);
                sizes.removeAt(i);
                selected.removeAt(i);
                --i;
            }
        }
        benchmark::DoNotOptimize(texts);
    }
}

} // namespace

BENCHMARK(DodajSveIntoEmptyOrder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CoreAddToOrderIntoEmptyOrder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BaselineDodajSveIntoEmptyOrder)
    ->Unit(benchmark::kMillisecond)
    ->Arg(1024)
    ->Arg(4096)
    ->Iterations(1);
BENCHMARK(DodajSveIntoFullOrder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BaselineDodajSveIntoFullOrder)
    ->Unit(benchmark::kMillisecond)
    ->Arg(1024)
    ->Arg(4096)
    ->Iterations(1);
BENCHMARK(DodajSveAgainstPreviousOrders)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BaselineDodajSveAgainstPreviousOrders)
    ->Unit(benchmark::kMillisecond)
    ->Arg(32)
    ->Arg(128)
    ->Iterations(1);
BENCHMARK(UndoIzbrisiSve)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);
BENCHMARK(IzbrisiEveryOtherItem)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(PomjeriGoreEveryOtherItem)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BaselineIzbrisiEveryOtherItem)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kLargest)
    ->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
