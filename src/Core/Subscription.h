#pragma once

#include "EventManager.h"

#include <cstdint>
#include <vector>

// The subscriber hears the events for as long as this object lives; a member of the subscriber
// that it constructs with `this`.
class CSubscription
{
public:
    CSubscription(ISubscriber* subscriber, std::vector<std::int32_t> events);
    ~CSubscription();
    CSubscription(const CSubscription&) = delete;
    CSubscription& operator=(const CSubscription&) = delete;

private:
    ISubscriber* m_subscriber;
    std::vector<std::int32_t> m_events;
};
