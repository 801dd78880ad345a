#pragma once

#include "../Database/TableFixture.h"
#include "EventManager.h"

// A fresh journal plus a count of the site events fired while the test runs.
class OperationFixture : public TableFixture
{
protected:
    OperationFixture() { GetEventManager()->Subscribe(&pointEvents, EventPointsChanged); }
    ~OperationFixture() override { GetEventManager()->Unsubscribe(&pointEvents, EventPointsChanged); }

    // "SELECT COUNT(*) FROM " + rest, as an integer.
    int Count(const std::u16string& rest)
    {
        const std::vector<std::u16string> count = Column(u"SELECT COUNT(*) FROM " + rest);
        return count.empty() ? -1 : std::stoi(std::string(count.front().begin(), count.front().end()));
    }

    struct Counter : ISubscriber
    {
        void OnEvent() override { ++fired; }
        int fired = 0;
    } pointEvents;
};
