#include "QBeeFamilyView.h"

#include "CaseInsensitiveLess.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"

#include <map>

void CQBeeFamilyView::Prepare()
{
    m_state->page = PageQueensOfSite;
}

bool CQBeeFamilyView::Accepts(int tab, int kind, int action)
{
    return tab == 1 && kind == NodeSite && action == ActionShowList;
}

void CQBeeFamilyView::Fill()
{
    struct Block
    {
        std::int32_t idFamily = 0;
        std::u16string name;
        int living = 0;
        int all = 0;
    };
    // Colonies of one name count together; the card opens the first of them.
    std::map<std::u16string, Block, CaseInsensitiveLess> blocks;
    const CPointFamilyCache* sites = GetPointFamilyCache();
    for (std::int32_t idFamily : sites->FamiliesOf(m_state->recordId)) {
        const CPointFamilyCache::Family* family = sites->FindFamily(idFamily);
        if (!family)
            continue;
        Block& block = blocks[family->name];
        if (block.idFamily == 0) {
            block.idFamily = idFamily;
            block.name = family->name;
        }
        for (const auto& [idQueen, queen] : GetQueenBeeCache()->QueensOf(idFamily)) {
            ++block.all;
            if (!queen.is_dead)
                ++block.living;
        }
    }
    Drawer().Clear();
    for (const auto& [key, block] : blocks) {
        const int card = Drawer().AddCard(block.idFamily);
        Drawer().AddLine(card, Title(block.name));
        Drawer().AddLine(card, Labelled(StringId::FamilyLivingQueens, IntToText(block.living)));
        Drawer().AddLine(card, Labelled(StringId::FamilyAllQueens, IntToText(block.all)));
    }
}
