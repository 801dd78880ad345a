#include "InspectHousing.h"

#include "InspectTable.h"

void InsertInspectHousings(IDatabase* database, std::int32_t idJournal, const InspectHousings& hives)
{
    for (const InspectHousing& hive : hives) {
        CInspectTable inspect;
        inspect.record.id_journal = idJournal;
        inspect.record.id_housing = hive.id_housing;
        inspect.record.name_housing = hive.name_housing;
        inspect.record.honey = hive.honey;
        inspect.record.brood = hive.brood;
        inspect.record.open_brood = hive.open_brood;
        inspect.record.close_brood = hive.close_brood;
        inspect.record.goods_honey = hive.goods_honey;
        inspect.Insert(database);
    }
}
