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

// Runs work(control) and waits for it. Returns false when the customer cancelled; a failure
// of the work is thrown again here.
bool run(QWidget* window, const Progress& progress, WorkControl& control,
         const std::function<void()>& work);

} // namespace BackgroundWork
