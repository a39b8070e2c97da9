#include "BackgroundWork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <chrono>
#include <exception>
#include <future>
#include <thread>

namespace BackgroundWork {

namespace {

// How often the progress dialog looks at the work.
constexpr int kProgressTickMs = 100;

// Restores the cursor however the wait ends.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

Timing& timing()
{
    static Timing value;
    return value;
}

bool run(QWidget* window, const Progress& progress, WorkControl& control,
         const std::function<void()>& work)
{
    // The work's end, and its failure if it fails, reach the window's thread through the
    // future; the queued quit only wakes the waiting event loop.
    std::promise<void> outcome;
    std::future<void> finished = outcome.get_future();
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    std::thread thread([&] {
        try {
            work();
            outcome.set_value();
        } catch (...) {
            outcome.set_exception(std::current_exception());
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Joined on every way out, so the work never outlives what it uses.
    struct Joiner
    {
        std::thread& thread;
        ~Joiner() { thread.join(); }
    } joiner{thread};

    const auto hasFinished = [&](int waitMs) {
        return finished.wait_for(std::chrono::milliseconds(waitMs)) == std::future_status::ready;
    };
    const auto done = [&] {
        finished.get();
        return true;
    };

    // Short work: nothing else is handled meanwhile, as on the window's thread.
    if (timing().heldBackMs > 0 && hasFinished(timing().heldBackMs))
        return done();

    BusyCursor busy;
    // Longer work: paint and run timers, but keep the customer's input for later.
    const int untilProgress = timing().progressMs - int(clock.elapsed());
    if (untilProgress > 0) {
        QTimer::singleShot(untilProgress, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (hasFinished(0))
            return done();
    }

    QProgressDialog dialog(progress.label, QStringLiteral("Otkazi"), 0, 0, window);
    dialog.setObjectName(QStringLiteral("progress"));
    dialog.setWindowTitle(progress.title);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
        const qint64 total = control.total;
        if (total > 0) {
            dialog.setMaximum(1000);
            dialog.setValue(int(1000 * qMin(control.done.load(), total) / total));
        }
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    tick.start(kProgressTickMs);
    dialog.show();
    while (!dialog.wasCanceled() && !hasFinished(0))
        loop.exec();
    if (dialog.wasCanceled()) {
        control.cancelled = true;
        return false;
    }
    return done();
}

} // namespace BackgroundWork
