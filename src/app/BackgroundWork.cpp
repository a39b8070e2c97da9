#include "BackgroundWork.h"

#include "KeptInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QTimer>
#include <chrono>
#include <exception>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace BackgroundWork {

namespace {

// How often the progress dialog looks at the work.
constexpr int kProgressTickMs = 100;
// How long a cancelled work gets to see its flag before the window stops waiting for it.
constexpr int kStopGraceMs = 20;

// Restores the cursor however the wait ends.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

// One piece of work with everything it uses. The thread holds it as long as it runs, and
// the window as long as it waits, so either may go first.
struct Job
{
    WorkControl control;
    Work work;
    std::shared_ptr<Job> previous;
    std::promise<void> outcome;
    std::shared_future<void> finished = outcome.get_future().share();
    // The event loop the window waits in, woken when the work ends; null once it stopped
    // waiting.
    std::mutex mutex;
    QEventLoop* waiter = nullptr;

    bool hasFinished(int waitMs) const
    {
        return finished.wait_for(std::chrono::milliseconds(waitMs)) == std::future_status::ready;
    }
    void setWaiter(QEventLoop* loop)
    {
        const std::lock_guard lock(mutex);
        waiter = loop;
    }
};

// The cancelled work that has not ended yet, if any.
std::shared_ptr<Job>& abandoned()
{
    static std::shared_ptr<Job> job;
    return job;
}

void start(const std::shared_ptr<Job>& job)
{
    std::thread([job] {
        try {
            // Work cancelled before and still running ends first: at most one lives on.
            if (job->previous)
                job->previous->finished.wait();
            job->previous.reset();
            if (!job->control.isCancelled())
                job->work(job->control);
            job->outcome.set_value();
        } catch (...) {
            job->outcome.set_exception(std::current_exception());
        }
        // What the work holds goes now, not when the window lets go of the job.
        job->work = nullptr;
        const std::lock_guard lock(job->mutex);
        if (job->waiter)
            QMetaObject::invokeMethod(job->waiter, &QEventLoop::quit, Qt::QueuedConnection);
    }).detach();
}

} // namespace

Timing& timing()
{
    static Timing value;
    return value;
}

bool abandonedWorkRunning()
{
    return abandoned() && !abandoned()->hasFinished(0);
}

namespace {

// The dialog of long work, cancelled by "Otkazi" or Esc.
std::unique_ptr<QProgressDialog> progressDialog(QWidget* window, const Progress& progress)
{
    auto dialog =
        std::make_unique<QProgressDialog>(progress.label, QStringLiteral("Otkazi"), 0, 0, window);
    dialog->setObjectName(QStringLiteral("progress"));
    dialog->setWindowTitle(progress.title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    return dialog;
}

} // namespace

OnWindowThread::OnWindowThread(QWidget* window, const Progress& progress, qint64 total)
    : m_window(window), m_progress(progress), m_total(total)
{
    m_clock.start();
}

OnWindowThread::~OnWindowThread()
{
    finish();
}

bool OnWindowThread::update(qint64 done)
{
    // Done: the boxes that follow the work show without the dialog behind them.
    if (done >= m_total) {
        finish();
        return true;
    }
    if (!m_busy && m_clock.elapsed() >= timing().heldBackMs) {
        m_busy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (!m_dialog && m_clock.elapsed() >= timing().progressMs) {
        m_dialog = progressDialog(m_window, m_progress);
        m_dialog->setMaximum(1000);
        m_dialog->show();
    }
    if (!m_dialog)
        return true;
    // A modal progress dialog handles its own input as its value changes.
    m_dialog->setValue(int(1000 * qMin(done, m_total) / qMax<qint64>(1, m_total)));
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

void OnWindowThread::finish()
{
    m_dialog.reset();
    if (m_busy)
        QApplication::restoreOverrideCursor();
    m_busy = false;
}

bool run(QWidget* window, const Progress& progress, Work work)
{
    auto job = std::make_shared<Job>();
    job->work = std::move(work);
    if (abandonedWorkRunning())
        job->previous = abandoned();
    abandoned().reset();
    QEventLoop loop;
    job->setWaiter(&loop);
    const auto stopWaiting = qScopeGuard([&] { job->setWaiter(nullptr); });
    QElapsedTimer clock;
    clock.start();
    start(job);

    const auto done = [&] {
        job->finished.get();
        return true;
    };

    // Short work: nothing else is handled meanwhile, as on the window's thread.
    if (timing().heldBackMs > 0 && job->hasFinished(timing().heldBackMs))
        return done();

    BusyCursor busy;
    // Longer work: paint and run timers; the customer's input is kept for later.
    KeptInput kept;
    const int untilProgress = timing().progressMs - int(clock.elapsed());
    if (untilProgress > 0) {
        QTimer::singleShot(untilProgress, &loop, &QEventLoop::quit);
        loop.exec();
        if (job->hasFinished(0)) {
            kept.replayLater();
            return done();
        }
    }

    const std::unique_ptr<QProgressDialog> shown = progressDialog(window, progress);
    QProgressDialog& dialog = *shown;
    kept.letThrough(&dialog);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
        const qint64 total = job->control.total;
        if (total > 0) {
            dialog.setMaximum(1000);
            dialog.setValue(int(1000 * qMin(job->control.done.load(), total) / total));
        }
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    tick.start(kProgressTickMs);
    dialog.show();
    while (!dialog.wasCanceled() && !job->hasFinished(0))
        loop.exec();
    if (dialog.wasCanceled()) {
        // The kept input belonged to the work's result: it goes with it.
        job->control.cancelled = true;
        if (!job->hasFinished(kStopGraceMs))
            abandoned() = job;
        return false;
    }
    kept.replayLater();
    return done();
}

} // namespace BackgroundWork
