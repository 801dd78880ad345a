#pragma once

#include "ColonyEventKinds.h"
#include "Table.h"

// The queens an event touched: what it did to each and her colony and death mark before and after
// it. The before and after columns have no type, so they keep the queen's values exactly as stored
// (NULL, 0 or a text alike) for the undo to put back.
class CColonyEventQueensTable : public CTable, public CFillContent
{
public:
    class content : public CTable::content
    {
    public:
        std::int32_t id_event = 0;
        std::int32_t id_queen_bee = 0;
        // A QueenFate.
        std::int32_t fate = 0;
        // The event made the queen; its undo removes her.
        bool created = false;
        std::int32_t id_family_before = 0;
        bool is_dead_before = false;
        std::int32_t id_family_after = 0;
        bool is_dead_after = false;

        void Reset() override { *this = content(); }

    protected:
        std::vector<ColumnBinding> Columns() override;
    };

    CColonyEventQueensTable();

    // Copies the queen's values as they are now into the after columns of her row of the event.
    void Update(IDatabase* database) override;
    // The queens of event id_event, else of every event.
    IResult* Select(IDatabase* database) override;
    // A row of a queen the event made: no values before it.
    void Insert(IDatabase* database) override;
    // A row of a queen the event changes, with her values as they are now as those before it.
    void InsertBefore(IDatabase* database);
    // The queens of event id_event; nothing without it.
    void Delete(IDatabase* database) override;
    // The queens of the colony's events that name no other colony.
    void DeleteOfFamily(IDatabase* database, std::int32_t idFamily);
    CTable::content* CreateContent() override { return new content(); }

    content record;
};
