#include "OrderHistory.h"

#include <type_traits>

// Dropping and keeping steps moves them, which must not fail.
static_assert(std::is_nothrow_move_constructible_v<OrderStep> &&
              std::is_nothrow_move_assignable_v<OrderStep>);

OrderHistory::OrderHistory()
{
    // Room for every step at once, so that push never allocates.
    m_steps.reserve(kSteps + 1);
}

void OrderHistory::push(OrderStep step) noexcept
{
    m_steps.erase(m_steps.begin() + m_current, m_steps.end());
    if (m_saved > m_current)
        m_saved = -1;
    if (int(m_steps.size()) == kSteps) {
        m_steps.erase(m_steps.begin());
        --m_current;
        m_saved = m_saved > 0 ? m_saved - 1 : -1;
    }
    m_steps.push_back(std::move(step));
    ++m_current;
}

const OrderStep* OrderHistory::toUndo() const
{
    return m_current > 0 ? &m_steps[size_t(m_current - 1)] : nullptr;
}

const OrderStep* OrderHistory::toRedo() const
{
    return m_current < int(m_steps.size()) ? &m_steps[size_t(m_current)] : nullptr;
}

void OrderHistory::stepBack() noexcept
{
    if (m_current > 0)
        --m_current;
}

void OrderHistory::stepForward() noexcept
{
    if (m_current < int(m_steps.size()))
        ++m_current;
}

void OrderHistory::clearUnsaved() noexcept
{
    m_steps.clear();
    m_current = 0;
    m_saved = -1;
}
