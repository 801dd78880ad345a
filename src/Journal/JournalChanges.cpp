#include "JournalChanges.h"

#include "JournalStores.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"

#include <algorithm>

namespace {
std::u16string Reason(const DatabaseFailure& failure)
{
    ILanguageManager* language = GetLanguageManager();
    switch (failure.kind) {
    case FailureKind::DiskFull: return language->GetString(StringId::NotSavedDiskFull);
    case FailureKind::Locked: return language->GetString(StringId::NotSavedLocked);
    case FailureKind::Damaged: return language->GetString(StringId::NotSavedDamaged);
    case FailureKind::ReadOnly: return language->GetString(StringId::NotSavedReadOnly);
    default: return language->GetString(StringId::NotSavedOther) + u" " + failure.message;
    }
}
}

void Fire(std::initializer_list<EventType> events)
{
    for (EventType event : events)
        GetEventManager()->Fire(event);
}

bool OwnerExists(bool exists, std::int32_t refusal)
{
    if (!exists)
        TellUser(refusal);
    return exists;
}

bool NoColonyIsGone(const std::vector<std::int32_t>& colonies)
{
    return std::all_of(colonies.begin(), colonies.end(),
        [](std::int32_t id) { return GetPointFamilyCache()->FindFamily(id) != nullptr; });
}

void DeleteRow(IDatabase* database, DeleteKind kind, std::int32_t id)
{
    CDeleteOperation operation;
    operation.record.kind = kind;
    operation.record.id = id;
    operation.Delete(database);
}

bool RenameRow(RenameKind kind, std::int32_t id, const std::u16string& name)
{
    return WithoutTransaction([&](IDatabase* database) {
        CRenameOperation operation;
        operation.record.kind = kind;
        operation.record.id = id;
        operation.record.name = name;
        operation.Update(database);
    });
}

void TellUser(std::int32_t textId, const std::u16string& more)
{
    ILanguageManager* language = GetLanguageManager();
    MessageBoxW(nullptr, language->GetString(textId) + more, language->GetString(StringId::MainWindowCaption),
        MB_OK | MB_ICONWARNING);
}

void ReportNotSaved(const DatabaseFailure& failure)
{
    TellUser(StringId::ChangeNotSaved, u"\n" + Reason(failure));
}

void ReadAgainIfChanged(IDatabase* journal)
{
    if (journal->ChangedOutside())
        ReloadJournalStores(journal);
}

bool RefusedWhileHeld()
{
    // A change made while the start's copy is checked waits for the check, which decides.
    GetDatabaseManager()->SettleHold();
    if (!GetDatabaseManager()->IsHeldForReading())
        return false;
    TellUser(StringId::JournalHeldForReading);
    return true;
}
