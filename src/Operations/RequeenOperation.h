#pragma once

#include "ColonyEventOperation.h"

// A requeening: the colony's old queen is killed, superseded or moved (to another colony or the
// queen store), and a new queen comes in: one of the journal's (from the store or another colony)
// or a new one, with her mother when known.
class CRequeenOperation : public CColonyEventOperation
{
public:
    class content : public CColonyEventOperation::content
    {
    public:
        // 0 when the colony was queenless.
        std::int32_t id_old_queen = 0;
        // Killed, Superseded or Moved.
        QueenFate old_fate = QueenFate::Killed;
        // Where a moved old queen goes: a colony, or 0 for the queen store.
        std::int32_t old_to_family = 0;
        // A living queen of the journal not in this colony; 0 for a new queen.
        std::int32_t id_new_queen = 0;
        // The new queen when id_new_queen is 0: her name (required), description, breed, mark
        // and mother (0 unknown); born on `born`, the event's date when 0.
        std::u16string new_name;
        std::u16string new_description;
        std::int32_t new_breed = 0;
        std::u16string new_fert;
        std::int32_t new_mother = 0;
        std::int64_t born = 0;

        void Reset() override { *this = content(); }
    };

    CRequeenOperation()
        : CColonyEventOperation(record)
    {
    }

    content record;

private:
    EventRefusal Check(IDatabase* database) override;
    std::int32_t Write(IDatabase* database) override;
    void ReplaceOldQueen(IDatabase* database, std::int32_t idEvent) const;
    // Returns her id.
    std::int32_t AddNewQueen(IDatabase* database, std::int32_t idEvent) const;
};
