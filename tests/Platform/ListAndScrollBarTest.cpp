#include "ControlParent.h"
#include "Dialog.h"
#include "Edit.h"
#include "ListBox.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
constexpr UINT kName = 1007;
constexpr UINT kHives = 1012;

class CHiveListDialog : public CDialog
{
public:
    CHiveListDialog() : CDialog(Template()) {}

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == kHives && HIWORD(wParam) == LBN_SELCHANGE)
            ++selectionChanges;
        return CDialog::OnCommand(wParam, lParam);
    }

    int selectionChanges = 0;

private:
    static DialogTemplate Template()
    {
        DialogTemplate made;
        made.cx = 150;
        made.cy = 140;
        made.items = {
            { u"EDIT", kName, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 7, 7, 108, 14 },
            { u"LISTBOX", kHives, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LBS_NOTIFY, 0, 7, 23, 108, 105 },
        };
        return made;
    }
};

// Repeats a held down arrow on its own 10 ms timer, as the program's pages do.
class CRepeatingParent : public CControlParent
{
public:
    void OnTimer(UINT_PTR) override
    {
        SCROLLBARINFO info;
        if (bar && bar->GetScrollBarInfo(&info) && info.rgstate[5] & STATE_SYSTEM_PRESSED)
            bar->SetScrollPos(bar->GetScrollPos() + 1);
    }
    CScrollBar* bar = nullptr;
};

void SetRange(CScrollBar& bar)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 20;
    info.nPos = 0;
    bar.SetScrollInfo(&info);
}
}

TEST(Controls, ListBoxAnnouncesChangesOfTheSelectionNotOfTheFocus)
{
    DialogResponder responder;
    responder.Then([](CDialog& shown) {
        auto& dialog = static_cast<CHiveListDialog&>(shown);
        auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(kHives));
        ASSERT_NE(list, nullptr);
        list->AddString(u"Hive 1");
        list->AddString(u"Hive 2");
        list->AddString(u"Hive 3");
        CWnd* name = dialog.GetDlgItem(kName);

        // Tabbing into the list, or focusing it, selects nothing.
        name->SetFocus();
        UiTest::ProcessEvents();
        UiTest::KeyDown(name, VK_TAB);
        EXPECT_EQ(CWnd::GetFocus(), list);
        UiTest::KeyUp(list, VK_TAB);
        name->SetFocus();
        list->SetFocus();
        UiTest::ProcessEvents();
        EXPECT_EQ(list->GetCurSel(), LB_ERR);
        EXPECT_EQ(dialog.selectionChanges, 0);

        RECT third;
        list->GetItemRect(2, &third);
        UiTest::Click(list, third.left + 5, third.top + 2);
        EXPECT_EQ(list->GetCurSel(), 2);
        EXPECT_EQ(dialog.selectionChanges, 1);
        UiTest::Click(list, third.left + 5, third.top + 2);
        EXPECT_EQ(dialog.selectionChanges, 1);
        UiTest::KeyPress(list, VK_UP);
        EXPECT_EQ(list->GetCurSel(), 1);
        EXPECT_EQ(dialog.selectionChanges, 2);
        list->SetCurSel(0);
        list->DeleteString(0);
        EXPECT_EQ(dialog.selectionChanges, 2);
        dialog.EndDialog(IDOK);
    });
    CHiveListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Controls, ScrollBarAsksItsParentAndShowsWhatTheParentSets)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 100, 200));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(83, 0, 100, 200), &parent, 12327));
    SetRange(bar);
    bar.SetScrollPos(95);
    EXPECT_EQ(bar.GetScrollPos(), 80); // at most max - page + 1
    bar.SetScrollPos(0);
    UiTest::Click(&bar, 8, 195); // the down arrow
    EXPECT_EQ(parent.ScrollCodes(), (std::vector<UINT> { SB_LINEDOWN, SB_ENDSCROLL }));
    EXPECT_EQ(bar.GetScrollPos(), 1);

    // A page step and a thumb drag end the same way.
    SCROLLBARINFO info;
    ASSERT_TRUE(bar.GetScrollBarInfo(&info));
    EXPECT_GT(info.xyThumbTop, 0);
    EXPECT_GT(info.xyThumbBottom, info.xyThumbTop);
    parent.scrolls.clear();
    UiTest::Click(&bar, 8, (info.xyThumbBottom + 200 - info.dxyLineButton) / 2);
    EXPECT_EQ(parent.ScrollCodes(), (std::vector<UINT> { SB_PAGEDOWN, SB_ENDSCROLL }));
    parent.scrolls.clear();
    const int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    UiTest::MouseDown(&bar, 8, thumb);
    UiTest::MouseMove(&bar, 8, thumb + 30, MK_LBUTTON);
    UiTest::MouseUp(&bar, 8, thumb + 30);
    ASSERT_GE(parent.scrolls.size(), 3u);
    EXPECT_EQ(parent.scrolls.front().first, SB_THUMBTRACK);
    EXPECT_EQ(parent.scrolls[parent.scrolls.size() - 2].first, SB_THUMBPOSITION);
    EXPECT_EQ(parent.scrolls.back().first, SB_ENDSCROLL);
}

TEST(Controls, HeldScrollArrowStepsOnceAndTheProgramRepeatsWhileItSeesItPressed)
{
    CRepeatingParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 100, 200));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(83, 0, 100, 200), &parent, 12327));
    SetRange(bar);
    parent.bar = &bar;
    parent.SetTimer(1, 10);
    SCROLLBARINFO info;

    UiTest::MouseDown(&bar, 8, 195);
    EXPECT_EQ(bar.GetScrollPos(), 1);
    ASSERT_TRUE(bar.GetScrollBarInfo(&info));
    EXPECT_TRUE(info.rgstate[5] & STATE_SYSTEM_PRESSED);
    EXPECT_FALSE(info.rgstate[1] & STATE_SYSTEM_PRESSED);
    UiTest::FireTimers(&parent);
    UiTest::FireTimers(&parent);
    EXPECT_EQ(bar.GetScrollPos(), 3);

    // Off the arrow it shows unpressed; back on it, pressed again, without a step of its own.
    UiTest::MouseMove(&bar, 8, 100, MK_LBUTTON);
    ASSERT_TRUE(bar.GetScrollBarInfo(&info));
    EXPECT_FALSE(info.rgstate[5] & STATE_SYSTEM_PRESSED);
    UiTest::FireTimers(&parent);
    EXPECT_EQ(bar.GetScrollPos(), 3);
    UiTest::MouseMove(&bar, 8, 195, MK_LBUTTON);
    ASSERT_TRUE(bar.GetScrollBarInfo(&info));
    EXPECT_TRUE(info.rgstate[5] & STATE_SYSTEM_PRESSED);

    // Held longer than Qt's own repeat delay (500 ms): a repeat of the bar's would show here.
    UiTest::ProcessEvents(700);
    EXPECT_EQ(parent.ScrollCodes(), (std::vector<UINT> { SB_LINEDOWN }));

    UiTest::MouseUp(&bar, 8, 195);
    EXPECT_EQ(parent.ScrollCodes(), (std::vector<UINT> { SB_LINEDOWN, SB_ENDSCROLL }));
    ASSERT_TRUE(bar.GetScrollBarInfo(&info));
    EXPECT_FALSE(info.rgstate[5] & STATE_SYSTEM_PRESSED);
    const int released = bar.GetScrollPos();
    UiTest::FireTimers(&parent);
    EXPECT_EQ(bar.GetScrollPos(), released);
}
