#pragma once

#include "ColonyEventOperation.h"

// A loss: the colony died or was given up, for a cause of the list. It stays in the journal with
// its records, marked lost; its living queens died with it.
class CLoseColonyOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        LossCause cause = LossCause::None;

        void Reset() override { *this = content(); }
    };

    CLoseColonyOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
};
