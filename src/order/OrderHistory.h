#pragma once

#include "OrderStep.h"

#include <vector>

// The order's undo history: the steps, where the order stands among them, and the point at
// which it was last saved or opened.
class OrderHistory
{
public:
    // The order keeps at least this many steps; the oldest go first.
    static constexpr int kSteps = 100;

    OrderHistory();

    // Adds the step after the current one, dropping the steps that could have been redone.
    // Never fails, so it comes after the rows have changed.
    void push(OrderStep step) noexcept;
    const OrderStep* toUndo() const;
    const OrderStep* toRedo() const;
    void stepBack() noexcept;
    void stepForward() noexcept;
    // Forgets every step; the order as it stands is not saved anywhere.
    void clearUnsaved() noexcept;

    void markSaved() noexcept { m_saved = m_current; }
    bool atSaved() const { return m_saved == m_current; }

private:
    std::vector<OrderStep> m_steps;
    // The number of steps done: the order stands after step m_current - 1.
    int m_current = 0;
    // Where the order was saved, counted like m_current; -1 when no step leads back there.
    int m_saved = 0;
};
