#pragma once

#include "DatabaseManager.h"
#include "DeleteOperation.h"
#include "EventManager.h"
#include "IDatabase.h"
#include "RenameOperation.h"
#include "StringIds.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// How the journal's handlers run a change: on a journal read again when another program changed
// it, all or nothing, and with one message in the user's language when the file did not take it.

// Key 0 names no row, and the tables would read it as every row: such a call changes nothing.
inline constexpr std::int32_t kNoRow = 0;

// Fires the events in order, once the change is committed.
void Fire(std::initializer_list<EventType> events);
// A form can outlive what it belongs to (deleted from the tree meanwhile): nothing is stored for
// an owner that is gone, and the beekeeper is told so with the refusal's text.
bool OwnerExists(bool exists, std::int32_t refusal);
// Whether every colony an entry is given to is still in the journal.
bool NoColonyIsGone(const std::vector<std::int32_t>& colonies);
// Deletes one row of the kind with what belongs only to it, inside the caller's transaction.
void DeleteRow(IDatabase* database, DeleteKind kind, std::int32_t id);
// Renames one row of the kind; true when the file took it.
bool RenameRow(RenameKind kind, std::int32_t id, const std::u16string& name);

// A warning box with the text of textId and more after it.
void TellUser(std::int32_t textId, const std::u16string& more = {});
// Says that the change was not saved, and why.
void ReportNotSaved(const DatabaseFailure& failure);
// Reads the journal again when another program changed the file since it was last read.
void ReadAgainIfChanged(IDatabase* journal);
// A damaged journal held for reading refuses a change with one message before it is tried.
bool RefusedWhileHeld();

// Opens the journal, up to date, and runs the body with the connection's error boxes held: a
// failure is told once. True when the file took every statement.
template <class Body>
bool WithoutTransaction(Body body)
{
    if (RefusedWhileHeld())
        return false;
    CDatabaseLease database;
    ReadAgainIfChanged(database.get());
    database->HoldReports(true);
    body(database.get());
    const DatabaseFailure failure = database->GetFailure();
    database->HoldReports(false);
    if (failure.kind == FailureKind::None)
        return true;
    ReportNotSaved(failure);
    return false;
}

// As WithoutTransaction, the body inside a named transaction: all of it is committed or nothing.
template <class Body>
bool InTransaction(const char16_t* label, Body body)
{
    return WithoutTransaction([&](IDatabase* database) {
        database->BeginTransaction(label);
        if (database->HasError())
            return;
        body(database);
        database->EndTransaction(label);
    });
}

// As ReadAgainIfChanged, before a change of the stored entry that find gives from the stores.
// False, with the user told, when the entry changed or vanished there: the user's copy must not
// win unseen, and nothing is written for an entry that is gone.
template <class Find>
bool StillAsShown(Find find)
{
    const auto* before = find();
    const auto shown = before ? std::optional(*before) : std::nullopt;
    ReadAgainIfChanged(CDatabaseLease().get());
    const auto* now = find();
    if (now && shown && *now == *shown)
        return true;
    TellUser(now ? StringId::ChangedOutside : StringId::RemovedOutside);
    return false;
}
