#pragma once

#include "ColonyEventKinds.h"
#include "Table.h"

// The dated events of a colony's life: splits, unions, requeenings, swarms, moves and losses. An
// event belongs to its colony (id_family: the mother of a split or swarm, the colony that takes in
// another) and, when it has one, to the other colony (id_other_family: the daughter, the colony
// united in, the caught swarm).
class CColonyEventsTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_event = 0;
        std::int32_t id_family = 0;
        // A ColonyEventKind.
        std::int32_t kind = 0;
        std::int64_t date = 0;
        std::u16string note;
        std::int32_t id_other_family = 0;
        // A move's sites; the site of a split's or a caught swarm's new colony is id_point_to.
        std::int32_t id_point_from = 0;
        std::int32_t id_point_to = 0;
        std::int32_t brood_frames = 0;
        std::int32_t honey_frames = 0;
        std::int32_t bee_frames = 0;
        // A DaughterQueen.
        std::int32_t daughter_queen = 0;
        bool caught = false;
        // A LossCause.
        std::int32_t cause = 0;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CColonyEventsTable();

    // The note of event id_event; what an event did is changed only by undoing it.
    void Update(IDatabase* database) override;
    // By id_event when set, else the events of colony id_family (its own and those naming it as the
    // other colony), else every event; in the order they were entered.
    IResult* Select(IDatabase* database) override;
    // As Select, handing each row to each instead of keeping it.
    void SelectEach(IDatabase* database, const std::function<void(const content&)>& each);
    // The events that link or end colonies (splits, swarms, unions, losses): what the start needs.
    void SelectLinksAndEnds(IDatabase* database, const std::function<void(const content&)>& each);
    // The colony's latest event: of the latest day, of those on one day the last entered.
    std::optional<content> SelectLatestOf(IDatabase* database, std::int32_t idFamily);
    // Whether the colony was lost or united into another colony.
    bool HasEnded(IDatabase* database, std::int32_t idFamily);
    // Keeps the record and stores the new id_event in it.
    void Insert(IDatabase* database) override;
    // By id_event, else the events of colony id_family that name no other colony, with the queens
    // they touched; nothing without a key. An event linking two colonies stays in the other's
    // history: a daughter keeps the split that made it, a colony united in stays ended.
    void Delete(IDatabase* database) override;
    CTable::content* CreateContent() override { return new content(); }

    content record;

private:
    CRequest SelectRequest() const;
};
