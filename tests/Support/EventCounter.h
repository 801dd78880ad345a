#pragma once

#include "EventManager.h"
#include "Subscription.h"

// Counts one event.
class EventCounter : public ISubscriber
{
public:
    explicit EventCounter(std::int32_t event)
        : m_subscription(this, { event })
    {
    }
    void OnEvent() override { ++count; }
    int count = 0;

private:
    CSubscription m_subscription;
};
