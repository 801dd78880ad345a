#include "JournalStores.h"

#include "HousingCache.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"

#include <malloc.h>

void LoadJournalStores(IDatabase* database)
{
    GetPointFamilyCache()->Load(database);
    GetJournalCache()->Load(database);
    GetQueenBeeCache()->Load(database);
    GetHousingCache()->Load(database);
    // Freed memory lies between the records the load kept; without this the process keeps it.
    malloc_trim(0);
}
