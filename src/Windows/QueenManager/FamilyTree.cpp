#include "FamilyTree.h"

#include "QueenBeeCache.h"
#include "STreeDrawer.h"

bool FillFamilyTree(CSTreeDrawer& drawer, std::int32_t idQueenBee)
{
    drawer.Clear();
    const CQueenBeeCache* store = GetQueenBeeCache();
    const CQueenBeeCache::QueenBee* queen = store->FindQueenBee(idQueenBee);
    if (!queen)
        return false;
    drawer.SetQueen(idQueenBee, queen->name);
    if (const CQueenBeeCache::QueenBee* mother = store->FindQueenBee(queen->id_parent_queen_bee))
        drawer.SetMother(queen->id_parent_queen_bee, mother->name);
    for (std::int32_t idDaughter : store->DaughtersOf(idQueenBee)) {
        if (const CQueenBeeCache::QueenBee* daughter = store->FindQueenBee(idDaughter))
            drawer.AddDaughter(idDaughter, daughter->name);
    }
    return true;
}
