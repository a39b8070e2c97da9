#pragma once

#include "listings/WorkControl.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

// Runs a handler's long work on another thread so that the window stays painted:
// - work that ends within heldBackMs completes before anything else is handled, exactly as
//   if it had run on the window's thread;
// - after that the cursor shows that the program is busy, and the window is repainted while
//   input stays held back;
// - from progressMs on, a modal progress dialog shows how far the work has come; "Otkazi"
//   or Esc there stops the work, and its result is dropped.
// The window never waits for cancelled work: work caught where it cannot see its flag (an
// open() or read() of a slow file) is left to end on its own. It must therefore own what it
// reads and writes (values and shared pointers, never the window's locals). At most one such
// abandoned work lives at a time: the next long work waits for it first.
namespace BackgroundWork {

struct Timing
{
    int heldBackMs = 100;
    int progressMs = 300;
};
// With both at 0 the progress dialog shows at once, however short the work.
Timing& timing();

// The captions of the progress dialog.
struct Progress
{
    QString title;
    QString label;
};

using Work = std::function<void(WorkControl&)>;

// Runs work and waits for it. Returns false when the customer cancelled; a failure of the
// work is thrown again here.
bool run(QWidget* window, const Progress& progress, Work work);

// Cancelled work that has not ended yet. At exit the program does not wait for it.
bool abandonedWorkRunning();

// Long work that must stay on the window's thread (it asks the customer on the way) keeps
// the same moments: from heldBackMs the busy cursor, from progressMs the progress dialog,
// shown and answered whenever the work reports how far it has come.
class OnWindowThread
{
public:
    OnWindowThread(QWidget* window, const Progress& progress, qint64 total);
    ~OnWindowThread();
    // False once the customer cancelled; done at the total ends the dialog.
    bool update(qint64 done);
    void finish();

private:
    QWidget* m_window;
    Progress m_progress;
    qint64 m_total;
    QElapsedTimer m_clock;
    bool m_busy = false;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace BackgroundWork
