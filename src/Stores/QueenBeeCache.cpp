#include "QueenBeeCache.h"

#include "ChangeQBParamOperation.h"
#include "DatabaseManager.h"
#include "DeleteQBFamilyOperation.h"
#include "EventManager.h"
#include "PointFamilyCache.h"
#include "QueenBeeTable.h"
#include "Result.h"

namespace {
constexpr char16_t kDeleteQueenBee[] = u"Delete Queen Bee";
constexpr std::int32_t kSetFamily = 1;
constexpr std::int32_t kSetParent = 2;

void FireQueenBeesChanged()
{
    GetEventManager()->Fire(EventQueenBeesChanged);
}

// The fields a queen's row takes from the record, on insert and on update alike.
void FillRow(CQueenBeeTable::content& row, const CQueenBeeCache::QueenBee& queen)
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
    GetDatabaseManager()->SettleHold();
    CDatabaseLease database;
    CChangeQBParamOperation operation;
    operation.record.id_queen_bee = idQueenBee;
    operation.record.which = which;
    if (which == kSetFamily)
        operation.record.id_family = value;
    else
        operation.record.id_parent_queen_bee = value;
    operation.Update(database.get());
    return !database->HasError();
}
}

CQueenBeeCache::CQueenBeeCache()
{
    SetQueenBeeStore(this);
}

CQueenBeeCache::~CQueenBeeCache()
{
    SetQueenBeeStore(nullptr);
}

void CQueenBeeCache::Load(IDatabase* database)
{
    // A reload (after a restore) replaces what the store held.
    m_queens.clear();
    m_familyQueens.Clear();
    m_daughters.Clear();
    CQueenBeeTable table;
    table.SelectEach(database, [this](const CQueenBeeTable::content& row) {
        Enter(QueenBee { row.id_queen_bee, row.name, row.description, row.id_family, row.id_parent_queen_bee, row.date,
            row.breed, row.fert, row.is_dead });
    });
}

void CQueenBeeCache::Enter(const QueenBee& queen)
{
    m_queens[queen.id_queen_bee] = queen;
    m_familyQueens.Add(queen.id_family, queen.id_queen_bee);
    if (queen.id_parent_queen_bee != 0)
        m_daughters.Add(queen.id_parent_queen_bee, queen.id_queen_bee);
}

const CQueenBeeCache::QueenBee* CQueenBeeCache::FindQueenBee(std::int32_t idQueenBee) const
{
    const auto found = m_queens.find(idQueenBee);
    return found != m_queens.end() ? &found->second : nullptr;
}

std::map<std::int32_t, CQueenBeeCache::QueenBee> CQueenBeeCache::QueensOf(std::int32_t idFamily) const
{
    std::map<std::int32_t, QueenBee> queens;
    for (std::int32_t id : m_familyQueens.Of(idFamily)) {
        if (const QueenBee* queen = FindQueenBee(id))
            queens[id] = *queen;
    }
    return queens;
}

std::vector<std::int32_t> CQueenBeeCache::DaughtersOf(std::int32_t idQueenBee) const
{
    return m_daughters.Of(idQueenBee);
}

std::int32_t CQueenBeeCache::AddQueenBee(const QueenBee& queen)
{
    if (queen.id_family != 0 && !GetPointFamilyCache()->FindFamily(queen.id_family))
        return 0;
    GetDatabaseManager()->SettleHold();
    CDatabaseLease database;
    CQueenBeeTable table;
    FillRow(table.record, queen);
    table.record.id_family = queen.id_family;
    table.record.id_parent_queen_bee = queen.id_parent_queen_bee;
    table.Insert(database.get());
    if (database->HasError() || table.record.id_queen_bee == 0)
        return 0;
    QueenBee added = queen;
    added.id_queen_bee = table.record.id_queen_bee;
    Enter(added);
    FireQueenBeesChanged();
    return added.id_queen_bee;
}

bool CQueenBeeCache::ChangeQueenBee(const QueenBee& queen)
{
    GetDatabaseManager()->SettleHold();
    CDatabaseLease database;
    CQueenBeeTable table;
    table.record.id_queen_bee = queen.id_queen_bee;
    FillRow(table.record, queen);
    table.Update(database.get());
    if (database->HasError())
        return false;
    if (auto found = m_queens.find(queen.id_queen_bee); found != m_queens.end()) {
        // Colony and mother change only through their own operations.
        QueenBee changed = queen;
        changed.id_family = found->second.id_family;
        changed.id_parent_queen_bee = found->second.id_parent_queen_bee;
        found->second = changed;
    }
    FireQueenBeesChanged();
    return true;
}

void CQueenBeeCache::DeleteQueenBee(std::int32_t idQueenBee)
{
    GetDatabaseManager()->SettleHold();
    {
        CDatabaseLease database;
        database->BeginTransaction(kDeleteQueenBee);
        CQueenBeeTable table;
        table.record.id_queen_bee = idQueenBee;
        table.Delete(database.get());
        database->EndTransaction(kDeleteQueenBee);
        if (database->HasError())
            return;
    }
    if (const auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_familyQueens.Remove(found->second.id_family, idQueenBee);
        m_daughters.Remove(found->second.id_parent_queen_bee, idQueenBee);
        m_queens.erase(found);
    }
    for (std::int32_t daughter : DaughtersOf(idQueenBee)) {
        if (auto found = m_queens.find(daughter); found != m_queens.end())
            found->second.id_parent_queen_bee = 0;
    }
    m_daughters.Erase(idQueenBee);
    FireQueenBeesChanged();
}

void CQueenBeeCache::SetQueenFamily(std::int32_t idQueenBee, std::int32_t idFamily)
{
    if (!ChangeParam(idQueenBee, kSetFamily, idFamily))
        return;
    if (auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_familyQueens.Remove(found->second.id_family, idQueenBee);
        m_familyQueens.Add(idFamily, idQueenBee);
        found->second.id_family = idFamily;
    }
    FireQueenBeesChanged();
}

void CQueenBeeCache::SetQueenParent(std::int32_t idQueenBee, std::int32_t idParent)
{
    if (!ChangeParam(idQueenBee, kSetParent, idParent))
        return;
    if (auto found = m_queens.find(idQueenBee); found != m_queens.end()) {
        m_daughters.Remove(found->second.id_parent_queen_bee, idQueenBee);
        if (idParent != 0)
            m_daughters.Add(idParent, idQueenBee);
        found->second.id_parent_queen_bee = idParent;
    }
    FireQueenBeesChanged();
}

void CQueenBeeCache::DetachFamilyQueens(IDatabase* database, std::int32_t idFamily)
{
    CDeleteQBFamilyOperation operation;
    operation.record.id_family = idFamily;
    operation.Delete(database);
}

void CQueenBeeCache::ForgetFamily(std::int32_t idFamily)
{
    // Colony 0 holds the queens without a colony already.
    if (idFamily == 0)
        return;
    for (std::int32_t id : m_familyQueens.MoveAll(idFamily, 0))
        m_queens[id].id_family = 0;
    FireQueenBeesChanged();
}

CQueenBeeCache* GetQueenBeeCache()
{
    static CQueenBeeCache cache;
    return &cache;
}
