#pragma once

#include <cstdint>
#include <map>
#include <vector>

// What changed; events carry no payload, subscribers re-read what they show.
enum EventType : std::int32_t {
    EventPointsChanged = 1,
    EventFamiliesChanged = 2,
    EventQueenBeesChanged = 3,
    EventInspectsChanged = 4,
    EventHousingsChanged = 5,
    EventPointViewSettingsChanged = 6,
    EventFamilyViewSettingsChanged = 7,
    EventRecordViewSettingsChanged = 8,
    // Treatments, feedings, harvests or their dictionaries changed.
    EventCareChanged = 9,
    // The beekeeper set other mite thresholds.
    EventMiteThresholdsChanged = 10,
    EventTasksChanged = 11,
};

class ISubscriber
{
public:
    virtual void OnEvent() = 0;

protected:
    virtual ~ISubscriber() = default;
};

class IEventManager
{
public:
    // Calls every subscriber of the event, in subscription order.
    virtual void Fire(std::int32_t event) = 0;
    // Appends the subscriber; subscribing twice means being called twice.
    virtual void Subscribe(ISubscriber* subscriber, std::int32_t event) = 0;
    // Removes the first occurrence of the subscriber, if any.
    virtual void Unsubscribe(ISubscriber* subscriber, std::int32_t event) = 0;
    virtual ~IEventManager() = default;
};

class CEventManager : public IEventManager
{
public:
    void Fire(std::int32_t event) override;
    void Subscribe(ISubscriber* subscriber, std::int32_t event) override;
    void Unsubscribe(ISubscriber* subscriber, std::int32_t event) override;

private:
    void Compact();

    // While a delivery runs, removed subscribers are left as null entries so that no entry moves.
    std::map<std::int32_t, std::vector<ISubscriber*>> m_subscribers;
    int m_deliveries = 0;
};

IEventManager* GetEventManager();
// Deletes the event manager; called once at exit, after every subscriber has gone.
void DeleteEventManager();
