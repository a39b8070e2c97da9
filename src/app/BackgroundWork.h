#pragma once

#include "listings/WorkControl.h"

#include <QString>
#include <functional>

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

} // namespace BackgroundWork
