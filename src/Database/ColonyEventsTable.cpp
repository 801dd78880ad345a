#include "ColonyEventsTable.h"

#include "ColonyEventQueensTable.h"
#include "Request.h"

std::vector<CTable::ColumnBinding> CColonyEventsTable::content::Columns()
{
    return { { u"id_event", &id_event }, { u"id_family", &id_family }, { u"kind", &kind },
        { u"date", DateField { &date } }, { u"note", &note }, { u"id_other_family", &id_other_family },
        { u"id_point_from", &id_point_from }, { u"id_point_to", &id_point_to }, { u"brood_frames", &brood_frames },
        { u"honey_frames", &honey_frames }, { u"bee_frames", &bee_frames }, { u"daughter_queen", &daughter_queen },
        { u"caught", &caught }, { u"cause", &cause } };
}

CColonyEventsTable::CColonyEventsTable()
    : CTable(u"colony_events",
        u"(id_event INTEGER NOT NULL,id_family INTEGER NOT NULL,kind INTEGER NOT NULL,date DATE NOT NULL,"
        u"note TEXT NULL,id_other_family INTEGER NULL,id_point_from INTEGER NULL,id_point_to INTEGER NULL,"
        u"brood_frames INTEGER NULL,honey_frames INTEGER NULL,bee_frames INTEGER NULL,daughter_queen INTEGER NULL,"
        u"caught BOOL NULL,cause INTEGER NULL,PRIMARY KEY(id_event ASC AUTOINCREMENT));")
{
}

void CColonyEventsTable::Update(IDatabase* database)
{
    RunAndReset(database, Request(u"UPDATE ", u" SET note=? WHERE id_event=?", { record.note, record.id_event }), record);
}

CRequest CColonyEventsTable::SelectRequest() const
{
    if (record.id_event != 0 || record.id_family == 0)
        return KeyedRequest(u"SELECT * FROM ", u"id_event", record.id_event, 0);
    return Request(u"SELECT * FROM ", u" WHERE id_family=? OR id_other_family=? ORDER BY id_event",
        { record.id_family, record.id_family });
}

IResult* CColonyEventsTable::Select(IDatabase* database)
{
    return SelectAndReset(database, SelectRequest(), record, *this);
}

void CColonyEventsTable::SelectEach(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database, SelectRequest(), record, each);
}

void CColonyEventsTable::SelectLinksAndEnds(IDatabase* database, const std::function<void(const content&)>& each)
{
    ReadAndReset(database,
        Request(u"SELECT id_event, id_family, kind, date, id_other_family, cause FROM ",
            u" WHERE kind IN (?, ?, ?, ?) ORDER BY id_event",
            { static_cast<std::int32_t>(ColonyEventKind::Split), static_cast<std::int32_t>(ColonyEventKind::Swarm),
                static_cast<std::int32_t>(ColonyEventKind::Unite), static_cast<std::int32_t>(ColonyEventKind::Loss) }),
        record, each);
}

std::optional<CColonyEventsTable::content> CColonyEventsTable::SelectLatestOf(IDatabase* database, std::int32_t idFamily)
{
    std::optional<content> latest;
    if (idFamily == 0)
        return latest;
    record.Reset();
    record.id_family = idFamily;
    // Rows come in the order they were entered, so a later one of the same day wins.
    SelectEach(database, [&](const content& row) {
        if (!latest || row.date >= latest->date)
            latest = row;
    });
    return latest;
}

bool CColonyEventsTable::HasEnded(IDatabase* database, std::int32_t idFamily)
{
    return ReadMax(database,
               Request(u"SELECT COUNT(*) FROM ", u" WHERE (id_family=? AND kind=?) OR (id_other_family=? AND kind=?)",
                   { idFamily, static_cast<std::int32_t>(ColonyEventKind::Loss), idFamily,
                       static_cast<std::int32_t>(ColonyEventKind::Unite) })
                   .Build())
        > 0;
}

void CColonyEventsTable::Insert(IDatabase* database)
{
    record.id_event = InsertReadingKey(database,
        Request(u"INSERT INTO ",
            u"(id_family, kind, date, note, id_other_family, id_point_from, id_point_to, brood_frames, honey_frames, "
            u"bee_frames, daughter_queen, caught, cause) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            { record.id_family, record.kind, DateValue { record.date }, record.note, record.id_other_family,
                record.id_point_from, record.id_point_to, record.brood_frames, record.honey_frames, record.bee_frames,
                record.daughter_queen, record.caught ? 1 : 0, record.cause }),
        u"id_event");
}

void CColonyEventsTable::Delete(IDatabase* database)
{
    CColonyEventQueensTable queens;
    if (record.id_event != 0) {
        queens.record.id_event = record.id_event;
        queens.Delete(database);
        RunAndReset(database, KeyedRequest(u"DELETE FROM ", u"id_event", record.id_event, 0), record);
    } else if (record.id_family != 0) {
        queens.DeleteOfFamily(database, record.id_family);
        RunAndReset(database,
            Request(u"DELETE FROM ", u" WHERE id_family=? AND ifnull(id_other_family, 0)=0", { record.id_family }),
            record);
    }
}
