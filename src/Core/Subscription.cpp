#include "Subscription.h"

#include <utility>

CSubscription::CSubscription(ISubscriber* subscriber, std::vector<std::int32_t> events)
    : m_subscriber(subscriber)
    , m_events(std::move(events))
{
    for (std::int32_t event : m_events)
        GetEventManager()->Subscribe(m_subscriber, event);
}

CSubscription::~CSubscription()
{
    for (std::int32_t event : m_events)
        GetEventManager()->Unsubscribe(m_subscriber, event);
}
