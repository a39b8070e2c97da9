#include "BackgroundWork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QSemaphore>
#include <QTimer>
#include <exception>
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
    QSemaphore finished;
    QEventLoop loop;
    std::exception_ptr failure;
    QElapsedTimer clock;
    clock.start();
    std::thread thread([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        finished.release();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Joined on every way out, so the work never outlives what it uses.
    struct Joiner
    {
        std::thread& thread;
        ~Joiner() { thread.join(); }
    } joiner{thread};

    const auto done = [&] {
        if (failure)
            std::rethrow_exception(failure);
        return true;
    };

    // Short work: nothing else is handled meanwhile, as on the window's thread.
    if (timing().heldBackMs > 0 && finished.tryAcquire(1, timing().heldBackMs))
        return done();

    BusyCursor busy;
    // Longer work: paint and run timers, but keep the customer's input for later.
    const int untilProgress = timing().progressMs - int(clock.elapsed());
    if (untilProgress > 0) {
        QTimer::singleShot(untilProgress, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (finished.tryAcquire(1))
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
    while (!dialog.wasCanceled() && !finished.tryAcquire(1))
        loop.exec();
    if (dialog.wasCanceled()) {
        control.cancelled = true;
        return false;
    }
    return done();
}

} // namespace BackgroundWork
