#include "QBeeInspectView.h"

#include "Brush.h"
#include "Calendar.h"
#include "Dc.h"
#include "DeleteQuestion.h"
#include "FamilyTree.h"
#include "JournalAction.h"
#include "MarkingColour.h"
#include "MessageBox.h"
#include "Pen.h"
#include "PrintSequence.h"
#include "QueenBeeCache.h"
#include "STreeDrawer.h"
#include "StringIds.h"
#include "Tr.h"
#include "TreePrint.h"

void CQBeeInspectView::Prepare()
{
    m_state->page = PageQueensOfColony;
}

bool CQBeeInspectView::Accepts(int tab, int kind, int action)
{
    return tab == 1 && kind == NodeColony && action == ActionShowList;
}

int CQBeeInspectView::OnCreate(CREATESTRUCT* create)
{
    if (CQBeeView::OnCreate(create) == -1)
        return -1;
    const RECT none {};
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    m_add.Create(Tr(StringId::ButtonAdd), style, none, this, IdAddButton);
    m_change.Create(Tr(StringId::ButtonChange), style, none, this, IdChangeButton);
    m_delete.Create(Tr(StringId::ButtonDelete), style, none, this, IdDeleteButton);
    PlaceButtons();
    OnSelectionChanged();
    return 0;
}

void CQBeeInspectView::OnSize(UINT type, int cx, int cy)
{
    CQBeeView::OnSize(type, cx, cy);
    PlaceButtons();
}

void CQBeeInspectView::PlaceButtons()
{
    if (!m_delete.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    m_add.MoveWindow(client.left + 10, client.bottom - 40, 110, 30);
    m_change.MoveWindow(client.left + 130, client.bottom - 40, 110, 30);
    m_delete.MoveWindow(client.left + 250, client.bottom - 40, 110, 30);
}

void CQBeeInspectView::Fill()
{
    Drawer().Clear();
    for (const auto& [idQueen, queen] : GetQueenBeeCache()->QueensOf(m_state->recordId)) {
        const int card = Drawer().AddCard(idQueen);
        Drawer().AddLine(card, Title(queen.name));
        Drawer().AddLine(
            card, Line(Tr(queen.is_dead ? StringId::QueenDeadState : StringId::QueenAliveState), 18, true));
        Drawer().AddLine(card, Line(queen.description, 16, false, true));
        Drawer().AddLine(card, Labelled(StringId::QueenFertLabel, queen.fert));
        Drawer().AddLine(card, Labelled(StringId::QueenBirthDateLabel, FormatDateText(queen.date)));
        Drawer().AddLine(card, Labelled(StringId::QueenBreedLabel, Tr(StringId::BreedNone + queen.breed)));
    }
}

std::unique_ptr<IPrintablePage> CQBeeInspectView::PrintablePage()
{
    auto tree = std::make_unique<CSTreeDrawer>(nullptr);
    const std::int32_t idQueenBee = SelectedQueen();
    if (!FillFamilyTree(*tree, idQueenBee))
        return CQBeeView::PrintablePage();
    auto sequence = std::make_unique<CPrintSequence>(CQBeeView::PrintablePage());
    const std::u16string name = GetQueenBeeCache()->FindQueenBee(idQueenBee)->name;
    sequence->Add(std::make_unique<CTreePrint>(std::move(tree), Tr(StringId::PrintFamilyTreeTitle) + u": " + name));
    return sequence;
}

void CQBeeInspectView::DrawOverCards(CDC* dc, int first, int last)
{
    for (int card = first; card < last; ++card) {
        const CQueenBeeCache::QueenBee* queen
            = GetQueenBeeCache()->FindQueenBee(static_cast<std::int32_t>(Drawer().Data(card)));
        if (!queen)
            continue;
        const POINT origin = Drawer().CardOrigin(card);
        const RECT dot { origin.x + DotLeft, origin.y + DotTop, origin.x + DotLeft + DotSize,
            origin.y + DotTop + DotSize };
        DrawMarkingDot(dc, dot, YearOf(queen->date));
    }
}

void CQBeeInspectView::DrawPanel(CDC* dc, const RECT& panel)
{
    dc->FillSolidRect(&panel, GetSysColor(COLOR_BTNFACE));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc->SelectObject(&black);
    dc->MoveTo(panel.left, panel.top);
    dc->LineTo(panel.right, panel.top);
    dc->SelectObject(old);
}

void CQBeeInspectView::OnSelectionChanged()
{
    const bool selected = Drawer().Selected() >= 0;
    m_change.EnableWindow(selected);
    m_delete.EnableWindow(selected);
}

std::int32_t CQBeeInspectView::SelectedQueen()
{
    const int card = Drawer().Selected();
    return card >= 0 ? static_cast<std::int32_t>(Drawer().Data(card)) : 0;
}

BOOL CQBeeInspectView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CQBeeView::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IdAddButton:
        PostJournalAction(this, ActionAddQueen, m_state->recordId);
        return TRUE;
    case IdChangeButton:
        if (const std::int32_t queen = SelectedQueen())
            PostJournalAction(this, ActionChangeQueen, queen);
        return TRUE;
    case IdDeleteButton:
        if (const std::int32_t queen = SelectedQueen())
            AskDelete(queen);
        return TRUE;
    default:
        return CQBeeView::OnCommand(wParam, lParam);
    }
}

void CQBeeInspectView::AskDelete(std::int32_t idQueenBee)
{
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(idQueenBee);
    if (!queen)
        return;
    const std::u16string question = DeleteQuestion(ActionDeleteQueen, idQueenBee, queen->name);
    if (MessageBoxW(this, question, Tr(StringId::DeleteQueenBee), MB_YESNO) == IDYES)
        PostJournalAction(this, ActionDeleteQueen, idQueenBee);
}
