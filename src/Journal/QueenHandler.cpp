#include "QueenHandler.h"

#include "ChangeQBParamOperation.h"
#include "DeleteQBFamilyOperation.h"
#include "EventManager.h"
#include "JournalChanges.h"
#include "PointFamilyCache.h"
#include "QueenBeeTable.h"

namespace {
constexpr char16_t kDeleteQueenBee[] = u"Delete Queen Bee";
constexpr std::int32_t kSetFamily = 1;
constexpr std::int32_t kSetParent = 2;

void FireQueenBeesChanged()
{
    GetEventManager()->Fire(EventQueenBeesChanged);
}

// The fields a queen's row takes from the record, on insert and on update alike.
void FillRow(CQueenBeeTable::content& row, const CQueenHandler::QueenBee& queen)
{
    row.name = queen.name;
    row.description = queen.description;
    row.date = queen.date;
    row.breed = queen.breed;
    row.fert = queen.fert;
    row.is_dead = queen.is_dead;
}

bool ChangeParam(std::int32_t idQueenBee, std::int32_t which, std::int32_t value)
{
    return WithoutTransaction([&](IDatabase* database) {
        CChangeQBParamOperation operation;
        operation.record.id_queen_bee = idQueenBee;
        operation.record.which = which;
        if (which == kSetFamily)
            operation.record.id_family = value;
        else
            operation.record.id_parent_queen_bee = value;
        operation.Update(database);
    });
}
}

std::int32_t CQueenHandler::Add(const QueenBee& queen)
{
    if (queen.id_family != 0 && !GetPointFamilyCache()->FindFamily(queen.id_family))
        return 0;
    CQueenBeeTable table;
    FillRow(table.record, queen);
    table.record.id_family = queen.id_family;
    table.record.id_parent_queen_bee = queen.id_parent_queen_bee;
    const bool stored = WithoutTransaction([&](IDatabase* database) { table.Insert(database); });
    if (!stored || table.record.id_queen_bee == 0)
        return 0;
    QueenBee added = queen;
    added.id_queen_bee = table.record.id_queen_bee;
    GetQueenBeeCache()->AddQueenBee(added);
    FireQueenBeesChanged();
    return added.id_queen_bee;
}

bool CQueenHandler::Change(const QueenBee& queen)
{
    CQueenBeeTable table;
    table.record.id_queen_bee = queen.id_queen_bee;
    FillRow(table.record, queen);
    if (!WithoutTransaction([&](IDatabase* database) { table.Update(database); }))
        return false;
    GetQueenBeeCache()->ChangeQueenBee(queen);
    FireQueenBeesChanged();
    return true;
}

void CQueenHandler::Delete(std::int32_t idQueenBee)
{
    if (idQueenBee == kNoRow)
        return;
    if (!InTransaction(kDeleteQueenBee, [&](IDatabase* database) { DeleteRow(database, DeleteKind::Queen, idQueenBee); }))
        return;
    GetQueenBeeCache()->RemoveQueenBee(idQueenBee);
    FireQueenBeesChanged();
}

void CQueenHandler::SetFamily(std::int32_t idQueenBee, std::int32_t idFamily)
{
    if (!ChangeParam(idQueenBee, kSetFamily, idFamily))
        return;
    GetQueenBeeCache()->SetQueenFamily(idQueenBee, idFamily);
    FireQueenBeesChanged();
}

void CQueenHandler::SetParent(std::int32_t idQueenBee, std::int32_t idParent)
{
    if (!ChangeParam(idQueenBee, kSetParent, idParent))
        return;
    GetQueenBeeCache()->SetQueenParent(idQueenBee, idParent);
    FireQueenBeesChanged();
}

void CQueenHandler::DetachColony(IDatabase* database, std::int32_t idFamily)
{
    CDeleteQBFamilyOperation operation;
    operation.record.id_family = idFamily;
    operation.Delete(database);
}

void CQueenHandler::ForgetColony(std::int32_t idFamily)
{
    if (idFamily == 0)
        return;
    GetQueenBeeCache()->ForgetFamily(idFamily);
    FireQueenBeesChanged();
}
