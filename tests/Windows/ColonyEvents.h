#pragma once

#include "Calendar.h"
#include "ColonyEventCache.h"
#include "JournalStores.h"
#include "DatabaseManager.h"
#include "EventManager.h"
#include "LoseColonyOperation.h"
#include "SchemaMigrations.h"

#include <gtest/gtest.h>

// Runs a colony's event as the journal's handler will: the operation in one transaction, then the
// stores brought up to date (a split's new colony, a new queen and the events' store) and the
// colonies' event (2) fired. Returns the new event, 0 if refused.
template <class Operation>
std::int32_t RunColonyEvent(Operation& operation)
{
    CDatabaseLease database;
    // The program takes the schema's steps at its start; a test's journal takes them here.
    SchemaMigrations::Migrate(database.get());
    database->BeginTransaction(u"Event");
    operation.Execute(database.get());
    database->EndTransaction(u"Event");
    LoadJournalStores(database.get());
    GetEventManager()->Fire(EventFamiliesChanged);
    return operation.record.id_event;
}

inline std::int32_t LoseColony(std::int32_t idFamily, const char16_t* day, LossCause cause = LossCause::Varroa)
{
    CLoseColonyOperation loss;
    loss.record.id_family = idFamily;
    loss.record.date = ParseDateText(day);
    loss.record.cause = cause;
    return RunColonyEvent(loss);
}
