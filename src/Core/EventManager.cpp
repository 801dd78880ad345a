#include "EventManager.h"

#include <algorithm>

namespace {
CEventManager* g_eventManager = nullptr;
}

void CEventManager::Fire(std::int32_t event)
{
    std::vector<ISubscriber*>& list = m_subscribers[event];
    ++m_deliveries;
    // By index: callbacks may append to the list, which can move its storage.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (ISubscriber* subscriber = list[i])
            subscriber->OnEvent();
    }
    if (--m_deliveries == 0)
        Compact();
}

void CEventManager::Subscribe(ISubscriber* subscriber, std::int32_t event)
{
    m_subscribers[event].push_back(subscriber);
}

void CEventManager::Unsubscribe(ISubscriber* subscriber, std::int32_t event)
{
    std::vector<ISubscriber*>& list = m_subscribers[event];
    const auto found = std::find(list.begin(), list.end(), subscriber);
    if (found == list.end())
        return;
    if (m_deliveries > 0)
        *found = nullptr;
    else
        list.erase(found);
}

void CEventManager::Compact()
{
    for (auto& [event, list] : m_subscribers)
        std::erase(list, nullptr);
}

IEventManager* GetEventManager()
{
    if (!g_eventManager)
        g_eventManager = new CEventManager();
    return g_eventManager;
}

void DeleteEventManager()
{
    delete g_eventManager;
    g_eventManager = nullptr;
}
