#include "QBeePointView.h"

#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"

CQBeePointView::CQBeePointView(JournalState* state)
    : CQBeeView(state)
    , m_subscription(this, { EventPointsChanged, EventFamiliesChanged, EventQueenBeesChanged })
{
}

CQBeePointView::~CQBeePointView() = default;

void CQBeePointView::Prepare()
{
    m_state->page = PageQueensOfAll;
    m_state->recordId = 0;
}

bool CQBeePointView::Accepts(int tab, int kind, int action)
{
    return tab == 1 && kind == NodeNone && action == ActionShowList;
}

void CQBeePointView::OnEvent()
{
    if (CWnd::IsCreated())
        Refill();
}

void CQBeePointView::Fill()
{
    Drawer().Clear();
    const CPointFamilyCache* sites = GetPointFamilyCache();
    for (const auto& [idPoint, point] : sites->Points()) {
        int withoutQueen = 0;
        int living = 0;
        for (std::int32_t idFamily : sites->FamiliesOf(idPoint)) {
            int livingHere = 0;
            for (const auto& [idQueen, queen] : GetQueenBeeCache()->QueensOf(idFamily)) {
                if (!queen.is_dead)
                    ++livingHere;
            }
            living += livingHere;
            if (livingHere == 0)
                ++withoutQueen;
        }
        const int card = Drawer().AddCard(idPoint);
        Drawer().AddLine(card, Title(point.name));
        Drawer().AddLine(card, Labelled(StringId::PointFamiliesWithoutQueen, IntToText(withoutQueen)));
        Drawer().AddLine(card, Labelled(StringId::PointLivingQueens, IntToText(living)));
    }
}
