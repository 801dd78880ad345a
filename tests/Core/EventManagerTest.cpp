#include "EventManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
class Recorder : public ISubscriber
{
public:
    Recorder(std::string* log, char name)
        : m_log(log)
        , m_name(name)
    {
    }
    void OnEvent() override
    {
        *m_log += m_name;
        if (action)
            action();
    }
    std::function<void()> action;

private:
    std::string* m_log;
    char m_name;
};
}

TEST(EventManagerTest, DeliversInSubscriptionOrderOncePerFire)
{
    CEventManager events;
    std::string log;
    Recorder a(&log, 'a'), b(&log, 'b');
    events.Fire(1);
    events.Subscribe(&b, 4);
    events.Subscribe(&a, 3);
    events.Subscribe(&a, 4);
    events.Fire(4);
    EXPECT_EQ(log, "ba");
    events.Fire(3);
    EXPECT_EQ(log, "baa");
}

TEST(EventManagerTest, UnsubscribeRemovesOneOccurrenceAndIgnoresStrangers)
{
    CEventManager events;
    std::string log;
    Recorder a(&log, 'a'), stranger(&log, 's');
    events.Subscribe(&a, 2);
    events.Subscribe(&a, 2);
    events.Unsubscribe(&stranger, 2);
    events.Unsubscribe(&a, 2);
    events.Fire(2);
    EXPECT_EQ(log, "a");
    events.Unsubscribe(&a, 2);
    events.Fire(2);
    EXPECT_EQ(log, "a");
}

TEST(EventManagerTest, SubscriberRemovedDuringDeliveryIsNotCalledLater)
{
    CEventManager events;
    std::string log;
    Recorder a(&log, 'a'), b(&log, 'b'), c(&log, 'c');
    a.action = [&] {
        events.Unsubscribe(&a, 5);
        events.Unsubscribe(&b, 5);
    };
    events.Subscribe(&a, 5);
    events.Subscribe(&b, 5);
    events.Subscribe(&c, 5);
    events.Fire(5);
    EXPECT_EQ(log, "ac");
    events.Fire(5);
    EXPECT_EQ(log, "acc");
}

TEST(EventManagerTest, SubscribingDuringDeliveryIsSafe)
{
    CEventManager events;
    std::string log;
    Recorder a(&log, 'a');
    std::vector<std::unique_ptr<Recorder>> added;
    a.action = [&] {
        // Enough appends to move the list's storage while it is being walked.
        for (int i = 0; i < 64; ++i) {
            added.push_back(std::make_unique<Recorder>(&log, 'n'));
            events.Subscribe(added.back().get(), 1);
        }
        a.action = nullptr;
    };
    events.Subscribe(&a, 1);
    events.Fire(1);
    EXPECT_EQ(log, "a" + std::string(64, 'n'));
}

TEST(EventManagerTest, NestedFireKeepsRemovalsUntilTheOuterDeliveryEnds)
{
    CEventManager events;
    std::string log;
    Recorder outer(&log, 'o'), inner(&log, 'i'), late(&log, 'l');
    outer.action = [&] {
        events.Fire(2);
        events.Unsubscribe(&late, 1);
    };
    inner.action = [&] { events.Unsubscribe(&inner, 2); };
    events.Subscribe(&outer, 1);
    events.Subscribe(&late, 1);
    events.Subscribe(&inner, 2);
    events.Fire(1);
    EXPECT_EQ(log, "oi");
    events.Fire(2);
    EXPECT_EQ(log, "oi");
}

TEST(EventManagerTest, TheAccessorGivesOneManager)
{
    IEventManager* first = GetEventManager();
    EXPECT_EQ(first, GetEventManager());
    DeleteEventManager();
}
