#pragma once

#include <QtGlobal>
#include <atomic>

// Shared between a long piece of work on another thread and the window waiting for it: the
// window asks it to stop, the work reports how far it has come.
struct WorkControl
{
    std::atomic<bool> cancelled{false};
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};

    bool isCancelled() const { return cancelled.load(std::memory_order_relaxed); }
};
