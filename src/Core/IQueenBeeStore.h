#pragma once

#include <cstdint>

// What the operations may ask of the queen-bee store, which is built above them: a queen's
// delete also mends the genealogy the store keeps.
class IQueenBeeStore
{
public:
    virtual void DeleteQueenBee(std::int32_t idQueenBee) = 0;

protected:
    virtual ~IQueenBeeStore() = default;
};

// The store registers itself while it lives; null before it exists.
IQueenBeeStore* GetQueenBeeStore();
void SetQueenBeeStore(IQueenBeeStore* store);
