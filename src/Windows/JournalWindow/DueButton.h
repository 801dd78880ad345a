#pragma once

#include "Button.h"
#include "Subscription.h"

#include <cstdint>
#include <functional>

// The button at the right of the tab strip that counts the tasks due today and overdue. It shows
// only while there are some, follows every change of the tasks, and counts again each minute, so
// that a window left open overnight counts the new day's tasks.
class CDueButton : public CButton, public ISubscriber
{
public:
    static constexpr UINT_PTR RecountTimer = 1;

    CDueButton();

    // Its count and whether it shows, as the tasks stand now.
    void Refresh();
    void OnEvent() override { Refresh(); }
    void OnTimer(UINT_PTR id) override;
    int Count() const { return m_count; }
    // The clock it counts by; the system's unless a test sets another.
    void SetClock(std::function<std::int64_t()> clock) { m_clock = std::move(clock); }

private:
    CSubscription m_subscription;
    std::function<std::int64_t()> m_clock;
    int m_count = 0;
};
