// Saving and opening an order of 32 767 items, the most a 16-bit count allows.
#include "SyntheticShop.h"
#include "listings/ImeDatoteke.h"
#include "listings/RecordReader.h"
#include "order/OrderDocument.h"
#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/TextCodec.h"
#include "recovery/OrderRecovery.h"
#include "recovery/RecoveryFolder.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kItems = 32767;

QList<FileRow> fullOrder()
{
    RecordReader reader(TextCodec::decode(SyntheticShop::listing(kItems, 3)));
    QList<FileRow> rows;
    for (int cd = 1; !reader.atEnd(); ++cd) {
        const Record record = reader.read(2);
        rows.append({QStringLiteral("CD %1: ").arg(cd % 1000, 3, 10, QLatin1Char('0')) +
                         ImeDatoteke(record[0]),
                     record[0], record[1]});
    }
    return rows;
}

void BM_SaveOrder(benchmark::State& state)
{
    const QList<FileRow> rows = fullOrder();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("narudzba.txt"));
    for (auto _ : state)
        OrderFileWriter::save(path, rows);
    state.SetItemsProcessed(state.iterations() * rows.size());
}
BENCHMARK(BM_SaveOrder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recovery copy of the largest unsaved order: the window waits this long once a second
// while the order changes.
void BM_RecoveryCopy(benchmark::State& state)
{
    OrderDocument order;
    order.add(fullOrder());
    QTemporaryDir folder;
    RecoveryFolder store(folder.path());
    OrderRecovery recovery(order, store);
    for (auto _ : state)
        recovery.writeNow();
    state.SetItemsProcessed(state.iterations() * order.count());
}
BENCHMARK(BM_RecoveryCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same without the disk: building the bytes, and reading them back into rows.
void BM_FormatOrder(benchmark::State& state)
{
    const QList<FileRow> rows = fullOrder();
    for (auto _ : state)
        benchmark::DoNotOptimize(OrderFileWriter::format(rows, QStringLiteral("narudzba.txt")));
}
BENCHMARK(BM_FormatOrder)->Unit(benchmark::kMillisecond);

void BM_ParseOrder(benchmark::State& state)
{
    const QByteArray bytes = OrderFileWriter::format(fullOrder(), QStringLiteral("narudzba.txt"));
    for (auto _ : state)
        benchmark::DoNotOptimize(OrderFileReader::parse(bytes, QStringLiteral("narudzba.txt")));
}
BENCHMARK(BM_ParseOrder)->Unit(benchmark::kMillisecond);

// Reading the file and appending its rows to an empty order, as the open command does.
void BM_OpenOrder(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("narudzba.txt"));
    OrderFileWriter::save(path, fullOrder());
    for (auto _ : state) {
        auto order = std::make_unique<OrderDocument>();
        order->add(OrderFileReader::read(path));
        benchmark::DoNotOptimize(order->count());
        // Emptying the order is not part of opening.
        state.PauseTiming();
        order.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_OpenOrder)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
