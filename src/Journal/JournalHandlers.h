#pragma once

#include "CareHandler.h"
#include "ColonyEventHandler.h"
#include "ColonyHandler.h"
#include "HiveHandler.h"
#include "HiveTypeHandler.h"
#include "JournalImportHandler.h"
#include "QueenHandler.h"
#include "RecordHandler.h"
#include "SiteHandler.h"
#include "TableImportHandler.h"
#include "TaskHandler.h"
#include "UserFieldHandler.h"

// Every change of the journal goes through one of these: each is the only writer of its tables,
// runs its change in one transaction and updates its store and fires its events after the commit.
class CJournalHandlers
{
public:
    CJournalHandlers();
    CJournalHandlers(const CJournalHandlers&) = delete;
    CJournalHandlers& operator=(const CJournalHandlers&) = delete;

    CRecordHandler records;
    CHiveHandler hives;
    CHiveTypeHandler hiveTypes;
    CQueenHandler queens;
    CColonyHandler colonies;
    CSiteHandler sites;
    CUserFieldHandler userFields;
    CColonyEventHandler colonyEvents;
    CJournalImportHandler imports;
    CTableImportHandler tableImports;
    CCareHandler care;
    CTaskHandler tasks;
};

CJournalHandlers* GetJournalHandlers();
