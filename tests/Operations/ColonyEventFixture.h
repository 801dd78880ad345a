#pragma once

#include "../Database/TableDump.h"
#include "Calendar.h"
#include "ColonyEventOperation.h"
#include "OperationFixture.h"
#include "SchemaMigrations.h"
#include "Text.h"
#include "UndoColonyEventOperation.h"

// A journal at the last schema step with two sites; colony 1 (site 1) has queen 1, colony 2
// (site 1) queen 2, colony 3 (site 2) queen 3; queen 4 is kept in no colony. Events and undos run
// inside one transaction each, as the journal's handlers run them.
class ColonyEventFixture : public OperationFixture
{
protected:
    ColonyEventFixture()
    {
        SchemaMigrations::Migrate(db.get());
        Exec(u"INSERT INTO points(name) VALUES('North'), ('South')");
        Exec(u"INSERT INTO families(name, id_point, type, note, id_record) VALUES('Anna', 1, 2, 'calm', 0), "
             u"('Berta', 1, NULL, NULL, NULL), ('Clara', 2, 0, '', 0)");
        Exec(u"INSERT INTO queen_bee(name, id_family, id_parent_queen_bee, date, is_dead) VALUES"
             u"('Q1', 1, 0, '01.06.2022 00:00:00', 0), ('Q2', 2, 1, '01.06.2022 00:00:00', NULL), "
             u"('Q3', 3, 0, '01.06.2021 00:00:00', 0), ('Q4', NULL, 1, '20.05.2023 00:00:00', 0)");
    }

    static std::int64_t Day(const char16_t* text) { return ParseDateText(text); }

    // Runs the event in its own transaction; the new event's id, 0 when refused.
    template <class Operation>
    std::int32_t Run(Operation& operation)
    {
        db->BeginTransaction(u"Event");
        operation.Execute(db.get());
        db->EndTransaction(u"Event");
        return operation.record.id_event;
    }

    EventRefusal Undo(std::int32_t idEvent)
    {
        CUndoColonyEventOperation undo;
        undo.record.id_event = idEvent;
        db->BeginTransaction(u"Undo");
        undo.Delete(db.get());
        db->EndTransaction(u"Undo");
        return undo.record.refusal;
    }

    // One column of the queens, in key order.
    std::vector<std::u16string> Queens(const char16_t* expression)
    {
        return Column(u"SELECT " + std::u16string(expression) + u" FROM queen_bee ORDER BY id_queen_bee");
    }

    // The event's queen rows: "queen:fate:created".
    std::vector<std::u16string> EventQueens(std::int32_t idEvent)
    {
        return Column(u"SELECT id_queen_bee || ':' || fate || ':' || created FROM colony_event_queens WHERE id_event="
            + IntToText(idEvent) + u" ORDER BY id_queen_bee");
    }

    TableDump Dump() { return DumpTables(db.get()); }
};
