#include "JournalComponent.h"

#include "AddFamilyOperation.h"
#include "AddInspectOperation.h"
#include "AddPointOperation.h"
#include "ChangeFamilyOperation.h"
#include "ChangeInspectOperation.h"
#include "ChangePointOperation.h"
#include "DatabaseManager.h"
#include "DeleteOperation.h"
#include "EventManager.h"
#include "FamilyViewSettings.h"
#include "HousingsTable.h"
#include "IJournalView.h"
#include "IVisualComponent.h"
#include "JournalChanges.h"
#include "JournalSettings.h"
#include "JournalStores.h"
#include "JournalTreeView.h"
#include "JournalVisualComponent.h"
#include "PointViewSettings.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "RecordViewSettings.h"
#include "RenameOperation.h"
#include "StringIds.h"
#include "TypeFrameTable.h"
#include "TypeHousingsTable.h"
#include "UpdateFHOperation.h"

namespace {
// Key 0 names no row, and the tables would read it as every row: such a call changes nothing.
constexpr std::int32_t kNoRow = 0;

void Fire(std::initializer_list<EventType> events)
{
    for (EventType event : events)
        GetEventManager()->Fire(event);
}

// A form can outlive what it belongs to (deleted from the tree meanwhile): nothing is stored for
// an owner that is gone, and the beekeeper is told so.
bool OwnerExists(bool exists, std::int32_t refusal)
{
    if (!exists)
        TellUser(refusal);
    return exists;
}

void DeleteRow(IDatabase* database, DeleteKind kind, std::int32_t id)
{
    CDeleteOperation operation;
    operation.record.kind = kind;
    operation.record.id = id;
    operation.Delete(database);
}

bool Rename(RenameKind kind, std::int32_t id, const std::u16string& name)
{
    return WithoutTransaction([&](IDatabase* database) {
        CRenameOperation operation;
        operation.record.kind = kind;
        operation.record.id = id;
        operation.record.name = name;
        operation.Update(database);
    });
}

template <class Operation>
void CopyInspect(Operation& operation, const InspectData& inspect)
{
    static_cast<JournalVisit&>(operation.record) = inspect.record;
    operation.record.values = inspect.values;
    operation.record.hives = inspect.record.hives;
}

template <class Table>
std::int32_t AddType(const std::u16string& name)
{
    Table table;
    table.record.name = name;
    const bool stored = WithoutTransaction([&](IDatabase* database) { table.Insert(database); });
    return stored ? table.record.id_type : -1;
}

template <class Table>
bool ChangeType(std::int32_t idType, const std::u16string& name)
{
    return WithoutTransaction([&](IDatabase* database) {
        Table table;
        table.record.id_type = idType;
        table.record.name = name;
        table.Update(database);
    });
}

template <class Table>
bool DeleteType(std::int32_t idType)
{
    // The type with key 0 is never removed.
    if (idType == 0)
        return false;
    return WithoutTransaction([&](IDatabase* database) {
        Table table;
        table.record.id_type = idType;
        table.Delete(database);
    });
}
}

CJournalComponent::CJournalComponent(std::vector<PageFactory> pages)
    : CComponent(StringId::JournalName)
    , m_pages(std::move(pages))
{
}

CJournalComponent::~CJournalComponent()
{
    // The journal window hands its messages to the views, so it goes before them.
    if (IVisualComponent* visual = GetVisualComponent()) {
        if (auto* window = dynamic_cast<CWnd*>(visual->GetWindow()))
            window->DestroyWindow();
    }
}

void CJournalComponent::Create()
{
    LoadJournalStores(m_journal.get());
    AddView(std::make_unique<CJournalTreeView>(*this, m_pages));
    AddSetting(new CJournalSettings(this));
    AddSetting(new CPointViewSettings());
    AddSetting(new CFamilyViewSettings());
    AddSetting(new CRecordViewSettings());
    SetVisualComponent(new CJournalVisualComponent(*this));
}

std::vector<std::u16string> CJournalComponent::GetViewNames()
{
    std::vector<std::u16string> names;
    for (const auto& view : m_views)
        names.push_back(view->GetStyle()->GetName());
    return names;
}

IJournalView* CJournalComponent::FindView(const std::u16string& caption)
{
    for (const auto& view : m_views) {
        if (view->GetStyle()->GetName() == caption)
            return view.get();
    }
    return nullptr;
}

void CJournalComponent::AddView(std::unique_ptr<IJournalView> view)
{
    m_views.push_back(std::move(view));
}

std::int32_t CJournalComponent::AddPoint(PointData& point)
{
    CAddPointOperation operation;
    operation.record.name = point.name;
    operation.record.note = point.note;
    operation.record.values = point.values;
    if (!InTransaction(u"Add Point", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    point.id_point = operation.record.id_point;
    point.id_record = operation.record.id_record;
    GetPointFamilyCache()->SetPoint(point.id_point, { point.name, point.note, point.id_record });
    Fire({ EventPointsChanged });
    return point.id_point;
}

bool CJournalComponent::ChangePoint(PointData& point)
{
    if (point.id_point == kNoRow)
        return false;
    if (!OwnerExists(GetPointFamilyCache()->FindPoint(point.id_point), StringId::OwnerSiteGone)
        || !StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindPoint(point.id_point); }))
        return false;
    CChangePointOperation operation;
    operation.record.id_point = point.id_point;
    operation.record.name = point.name;
    operation.record.note = point.note;
    operation.record.values = point.values;
    if (!InTransaction(u"Change Point", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    point.id_record = operation.record.id_record;
    GetPointFamilyCache()->SetPoint(point.id_point, { point.name, point.note, point.id_record });
    Fire({ EventPointsChanged });
    return true;
}

bool CJournalComponent::RenamePoint(std::int32_t idPoint, const std::u16string& name)
{
    if (idPoint == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindPoint(idPoint); }))
        return false;
    if (!Rename(RenameKind::Site, idPoint, name))
        return false;
    GetPointFamilyCache()->RenamePoint(idPoint, name);
    Fire({ EventPointsChanged });
    return true;
}

bool CJournalComponent::DeletePoint(std::int32_t idPoint)
{
    if (idPoint == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindPoint(idPoint); }))
        return false;
    const std::vector<std::int32_t> families = GetPointFamilyCache()->FamiliesOf(idPoint);
    // Read before the transaction, whose rows the store must never take if it fails.
    std::vector<std::vector<std::int32_t>> records;
    for (std::int32_t idFamily : families)
        records.push_back(GetJournalCache()->RecordsOf(idFamily));
    const bool committed = InTransaction(u"Delete Point", [&](IDatabase* database) {
        DeleteRow(database, DeleteKind::Site, idPoint);
        for (std::size_t i = 0; i < families.size(); ++i) {
            GetQueenBeeCache()->DetachFamilyQueens(database, families[i]);
            DeleteFamilyRows(database, families[i], records[i]);
        }
    });
    if (!committed)
        return false;
    for (std::int32_t idFamily : families) {
        ForgetFamily(idFamily);
        GetPointFamilyCache()->RemoveFamily(idFamily);
    }
    GetPointFamilyCache()->RemovePoint(idPoint);
    Fire({ EventPointsChanged, EventFamiliesChanged, EventInspectsChanged, EventHousingsChanged });
    return true;
}

std::int32_t CJournalComponent::AddFamily(FamilyData& family)
{
    if (!OwnerExists(GetPointFamilyCache()->FindPoint(family.id_point), StringId::OwnerSiteGone))
        return 0;
    CAddFamilyOperation operation;
    operation.record.name = family.name;
    operation.record.id_point = family.id_point;
    operation.record.type = family.type;
    operation.record.note = family.note;
    operation.record.values = family.values;
    if (!InTransaction(u"Add Family", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    family.id_family = operation.record.id_family;
    family.id_record = operation.record.id_record;
    GetPointFamilyCache()->AddFamily(
        family.id_family, { family.name, family.note, family.id_point, family.type, family.id_record });
    Fire({ EventFamiliesChanged });
    return family.id_family;
}

bool CJournalComponent::UpdateFamily(FamilyData& family)
{
    if (family.id_family == kNoRow)
        return false;
    if (!OwnerExists(GetPointFamilyCache()->FindFamily(family.id_family), StringId::OwnerColonyGone)
        || !StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindFamily(family.id_family); }))
        return false;
    CChangeFamilyOperation operation;
    operation.record.id_family = family.id_family;
    operation.record.name = family.name;
    operation.record.type = family.type;
    operation.record.note = family.note;
    operation.record.values = family.values;
    if (!InTransaction(u"Update Family", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    family.id_record = operation.record.id_record;
    // The database keeps the colony at its site; so does the store.
    if (const CPointFamilyCache::Family* stored = GetPointFamilyCache()->FindFamily(family.id_family))
        family.id_point = stored->id_point;
    GetPointFamilyCache()->SetFamily(
        family.id_family, { family.name, family.note, family.id_point, family.type, family.id_record });
    Fire({ EventFamiliesChanged });
    return true;
}

bool CJournalComponent::RenameFamily(std::int32_t idFamily, const std::u16string& name)
{
    if (idFamily == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindFamily(idFamily); }))
        return false;
    if (!Rename(RenameKind::Colony, idFamily, name))
        return false;
    GetPointFamilyCache()->RenameFamily(idFamily, name);
    Fire({ EventFamiliesChanged });
    return true;
}

bool CJournalComponent::DeleteFamily(std::int32_t idFamily)
{
    if (idFamily == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetPointFamilyCache()->FindFamily(idFamily); }))
        return false;
    // Read before the transaction, whose rows the store must never take if it fails.
    const std::vector<std::int32_t> records = GetJournalCache()->RecordsOf(idFamily);
    const bool committed = InTransaction(u"Delete Family", [&](IDatabase* database) {
        GetQueenBeeCache()->DetachFamilyQueens(database, idFamily);
        DeleteFamilyRows(database, idFamily, records);
    });
    if (!committed)
        return false;
    ForgetFamily(idFamily);
    GetPointFamilyCache()->RemoveFamily(idFamily);
    Fire({ EventFamiliesChanged, EventInspectsChanged, EventHousingsChanged });
    return true;
}

void CJournalComponent::DeleteFamilyRows(IDatabase* database, std::int32_t idFamily, const std::vector<std::int32_t>& records)
{
    DeleteRow(database, DeleteKind::Colony, idFamily);
    for (std::int32_t idJournal : records)
        DeleteRow(database, DeleteKind::Record, idJournal);
    CDatabaseLease own;
    CUpdateFHOperation move;
    move.record.id_housing = 0;
    move.record.from_family = idFamily;
    move.record.id_family = 0;
    move.Update(own.get());
}

void CJournalComponent::ForgetFamily(std::int32_t idFamily)
{
    GetQueenBeeCache()->ForgetFamily(idFamily);
    const std::vector<std::int32_t> records = GetJournalCache()->RecordsOf(idFamily);
    for (std::int32_t idJournal : records)
        GetJournalCache()->RemoveRecord(idJournal);
    Fire({ EventInspectsChanged });
    GetHousingCache()->ReleaseFamilyHousings(idFamily);
}

std::int32_t CJournalComponent::AddHousing(const CHousingCache::Housing& housing)
{
    CHousingsTable table;
    table.record.name = housing.name;
    table.record.id_family = housing.id_family;
    table.record.type_housing = housing.type_housing;
    table.record.type_frame = housing.type_frame;
    if (!WithoutTransaction([&](IDatabase* database) { table.Insert(database); }) || table.record.id_housing == 0)
        return 0;
    CHousingCache::Housing added = housing;
    added.is_delete = false;
    GetHousingCache()->AddHousing(table.record.id_housing, added);
    return table.record.id_housing;
}

bool CJournalComponent::ChangeHousing(std::int32_t idHousing, const CHousingCache::Housing& housing)
{
    if (idHousing == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetHousingCache()->FindHousing(idHousing); }))
        return false;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        CHousingsTable table;
        table.record.id_housing = idHousing;
        table.record.name = housing.name;
        table.record.id_family = housing.id_family;
        table.record.type_housing = housing.type_housing;
        table.record.type_frame = housing.type_frame;
        table.record.is_delete = housing.is_delete;
        table.Update(database);
    });
    if (!stored)
        return false;
    GetHousingCache()->SetHousing(idHousing, housing);
    Fire({ EventHousingsChanged });
    return true;
}

bool CJournalComponent::DeleteHousing(std::int32_t idHousing)
{
    if (idHousing == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetHousingCache()->FindHousing(idHousing); }))
        return false;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        CHousingsTable table;
        table.record.id_housing = idHousing;
        table.Delete(database);
    });
    if (!stored)
        return false;
    GetHousingCache()->RemoveHousing(idHousing);
    Fire({ EventHousingsChanged });
    return true;
}

bool CJournalComponent::MoveHousing(std::int32_t idHousing, std::int32_t idFamily)
{
    if (idHousing == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetHousingCache()->FindHousing(idHousing); }))
        return false;
    const bool stored = WithoutTransaction([&](IDatabase* database) {
        CUpdateFHOperation move;
        move.record.id_housing = idHousing;
        move.record.id_family = idFamily;
        move.Update(database);
    });
    if (!stored)
        return false;
    GetHousingCache()->MoveHousing(idHousing, idFamily);
    Fire({ EventHousingsChanged });
    return true;
}

std::int32_t CJournalComponent::AddHousingType(const std::u16string& name)
{
    const std::int32_t idType = AddType<CTypeHousingsTable>(name);
    if (idType >= 0)
        GetHousingCache()->SetHousingType(idType, name);
    return idType;
}

bool CJournalComponent::ChangeHousingType(std::int32_t idType, const std::u16string& name)
{
    if (!ChangeType<CTypeHousingsTable>(idType, name))
        return false;
    GetHousingCache()->SetHousingType(idType, name);
    return true;
}

bool CJournalComponent::DeleteHousingType(std::int32_t idType)
{
    if (!DeleteType<CTypeHousingsTable>(idType))
        return false;
    GetHousingCache()->RemoveHousingType(idType);
    return true;
}

std::int32_t CJournalComponent::AddFrameType(const std::u16string& name)
{
    const std::int32_t idType = AddType<CTypeFrameTable>(name);
    if (idType >= 0)
        GetHousingCache()->SetFrameType(idType, name);
    return idType;
}

bool CJournalComponent::ChangeFrameType(std::int32_t idType, const std::u16string& name)
{
    if (!ChangeType<CTypeFrameTable>(idType, name))
        return false;
    GetHousingCache()->SetFrameType(idType, name);
    return true;
}

bool CJournalComponent::DeleteFrameType(std::int32_t idType)
{
    if (!DeleteType<CTypeFrameTable>(idType))
        return false;
    GetHousingCache()->RemoveFrameType(idType);
    return true;
}

std::int32_t CJournalComponent::AddInspect(InspectData& inspect)
{
    if (!OwnerExists(GetPointFamilyCache()->FindFamily(inspect.record.id_family), StringId::OwnerColonyGone))
        return 0;
    CAddInspectOperation operation;
    operation.record.id_family = inspect.record.id_family;
    CopyInspect(operation, inspect);
    if (!InTransaction(u"Add Inspect", [&](IDatabase* database) { operation.Add(database); }))
        return 0;
    inspect.id_journal = operation.record.id_journal;
    inspect.record.id_record = operation.record.id_record;
    GetJournalCache()->AddRecord(inspect.id_journal, inspect.record);
    Fire({ EventInspectsChanged });
    return inspect.id_journal;
}

bool CJournalComponent::UpdateInspect(InspectData& inspect)
{
    if (inspect.id_journal == kNoRow)
        return false;
    if (!OwnerExists(GetJournalCache()->FindRecord(inspect.id_journal), StringId::OwnerRecordGone)
        || !StillAsShown(m_journal.get(), [&] { return GetJournalCache()->FindRecord(inspect.id_journal); }))
        return false;
    CChangeInspectOperation operation;
    operation.record.id_journal = inspect.id_journal;
    CopyInspect(operation, inspect);
    if (!InTransaction(u"Update Inspect", [&](IDatabase* database) { operation.Update(database); }))
        return false;
    inspect.record.id_record = operation.record.id_record;
    GetJournalCache()->SetRecord(inspect.id_journal, inspect.record);
    Fire({ EventInspectsChanged });
    return true;
}

bool CJournalComponent::DeleteInspect(std::int32_t idJournal)
{
    if (idJournal == kNoRow)
        return false;
    if (!StillAsShown(m_journal.get(), [&] { return GetJournalCache()->FindRecord(idJournal); }))
        return false;
    if (!InTransaction(
            u"Delete Inspect", [&](IDatabase* database) { DeleteRow(database, DeleteKind::Record, idJournal); }))
        return false;
    GetJournalCache()->RemoveRecord(idJournal);
    Fire({ EventInspectsChanged });
    return true;
}
