#include "ColonyEventHandler.h"

#include "ColonyEventCache.h"
#include "ColonyEventQueensTable.h"
#include "ColonyEventsTable.h"
#include "FamiliesTable.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "QueenBeeTable.h"
#include "UndoColonyEventOperation.h"
#include "UserFieldStore.h"

namespace {
std::int32_t RefusalText(EventRefusal refusal)
{
    return StringId::EventRefusalNoEventTables + static_cast<std::int32_t>(refusal)
        - static_cast<std::int32_t>(EventRefusal::NoEventTables);
}

// The store takes the colony as the file has it now: new, moved, or gone with an undo.
void FollowColony(IDatabase* database, std::int32_t idFamily)
{
    CPointFamilyCache* store = GetPointFamilyCache();
    CFamiliesTable families;
    families.record.id_family = idFamily;
    const auto row = SelectFirst(database, families);
    const CPointFamilyCache::Family* stored = store->FindFamily(idFamily);
    if (!row) {
        if (stored) {
            GetUserFieldStore()->RemoveGroup(stored->id_record);
            store->RemoveFamily(idFamily);
        }
        return;
    }
    const CPointFamilyCache::Family family { row->name, row->note, row->id_point, row->type, row->id_record };
    if (stored)
        store->SetFamily(idFamily, family);
    else
        store->AddFamily(idFamily, family);
}

// The queen store takes the queen as the file has it now: her colony and death mark changed, new,
// or gone with the undo of the event that made her.
void FollowQueen(IDatabase* database, std::int32_t idQueenBee)
{
    CQueenBeeCache* store = GetQueenBeeCache();
    CQueenBeeTable queens;
    queens.record.id_queen_bee = idQueenBee;
    const auto row = SelectFirst(database, queens);
    if (!row) {
        store->RemoveQueenBee(idQueenBee);
        return;
    }
    const CQueenBeeCache::QueenBee queen { row->id_queen_bee, row->name, row->description, row->id_family,
        row->id_parent_queen_bee, row->date, row->breed, row->fert, row->is_dead };
    if (!store->FindQueenBee(idQueenBee)) {
        store->AddQueenBee(queen);
        return;
    }
    store->ChangeQueenBee(queen);
    store->SetQueenFamily(idQueenBee, queen.id_family);
}
}

CColonyEventHandler::Touched CColonyEventHandler::TouchedBy(IDatabase* database, std::int32_t idEvent)
{
    Touched touched;
    CColonyEventsTable events;
    events.record.id_event = idEvent;
    if (const auto event = SelectFirst(database, events)) {
        for (std::int32_t idFamily : { event->id_family, event->id_other_family }) {
            if (idFamily != kNoRow)
                touched.colonies.insert(idFamily);
        }
    }
    CColonyEventQueensTable queens;
    queens.record.id_event = idEvent;
    const ReleasePtr<IResult> result(queens.Select(database));
    for (const auto* row : RecordsOf<CColonyEventQueensTable::content>(result.get()))
        touched.queens.insert(row->id_queen_bee);
    return touched;
}

void CColonyEventHandler::Follow(const Touched& touched)
{
    CDatabaseLease database;
    GetColonyEventCache()->Load(database.get());
    for (std::int32_t idFamily : touched.colonies)
        FollowColony(database.get(), idFamily);
    for (std::int32_t idQueenBee : touched.queens)
        FollowQueen(database.get(), idQueenBee);
    if (touched.queens.empty())
        Fire({ EventFamiliesChanged });
    else
        Fire({ EventFamiliesChanged, EventQueenBeesChanged });
}

template <class Operation>
std::int32_t CColonyEventHandler::Record(const char16_t* label, typename Operation::content& record)
{
    Operation operation;
    operation.record = record;
    Touched touched;
    const bool stored = InTransaction(label, [&](IDatabase* database) {
        operation.Execute(database);
        if (operation.record.id_event != kNoRow)
            touched = TouchedBy(database, operation.record.id_event);
    });
    record = operation.record;
    if (!stored)
        return 0;
    if (record.refusal != EventRefusal::None) {
        TellUser(RefusalText(record.refusal));
        return 0;
    }
    Follow(touched);
    return record.id_event;
}

std::int32_t CColonyEventHandler::Split(CSplitColonyOperation::content& split)
{
    return Record<CSplitColonyOperation>(u"Split Colony", split);
}

std::int32_t CColonyEventHandler::Unite(CUniteColoniesOperation::content& unite)
{
    return Record<CUniteColoniesOperation>(u"Unite Colonies", unite);
}

std::int32_t CColonyEventHandler::Requeen(CRequeenOperation::content& requeen)
{
    return Record<CRequeenOperation>(u"Requeen Colony", requeen);
}

std::int32_t CColonyEventHandler::Swarm(CSwarmOperation::content& swarm)
{
    return Record<CSwarmOperation>(u"Colony Swarmed", swarm);
}

std::int32_t CColonyEventHandler::Move(CMoveColonyOperation::content& move)
{
    return Record<CMoveColonyOperation>(u"Move Colony", move);
}

std::int32_t CColonyEventHandler::Lose(CLoseColonyOperation::content& loss)
{
    return Record<CLoseColonyOperation>(u"Colony Lost", loss);
}

bool CColonyEventHandler::Undo(std::int32_t idEvent)
{
    if (idEvent == kNoRow)
        return false;
    CUndoColonyEventOperation operation;
    operation.record.id_event = idEvent;
    Touched touched;
    // The rows naming what the event touched go with it: they are read first.
    const bool stored = InTransaction(u"Undo Colony Event", [&](IDatabase* database) {
        touched = TouchedBy(database, idEvent);
        operation.Delete(database);
    });
    if (!stored)
        return false;
    if (operation.record.refusal != EventRefusal::None) {
        TellUser(RefusalText(operation.record.refusal));
        return false;
    }
    Follow(touched);
    return true;
}
