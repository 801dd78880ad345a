#pragma once

#include "ColonyEventOperation.h"

// A move of the colony to another site: the colony is at the new site from then on, and the event
// keeps where it came from, so the colony's sites over time stay known.
class CMoveColonyOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        std::int32_t id_point = 0;

        void Reset() override { *this = content(); }
    };

    CMoveColonyOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
    std::int32_t CurrentSite(IDatabase* database) const;
};
