#include "Bitmap.h"
#include "Button.h"
#include "Clipboard.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "Edit.h"
#include "ImageList.h"
#include "ListBox.h"
#include "Menu.h"
#include "OwnerDraw.h"
#include "ControlParent.h"
#include "Dc.h"
#include "ToolBar.h"
#include "ToolTipCtrl.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
class CTipBar : public CToolBar
{
public:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
        if (info->hdr.code != TTN_GETDISPINFO)
            return FALSE;
        const std::u16string text(100, u'x');
        std::fill(std::begin(info->szText), std::end(info->szText), u'\0');
        std::copy_n(text.begin(), 79, info->szText);
        return TRUE;
    }
};
}

TEST(Controls, ButtonsEditsAndListsNotifyTheirParent)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 400, 300));
    CButton button;
    ASSERT_TRUE(button.Create(u"OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 25), &parent, 1));
    UiTest::Click(&button, 10, 10);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0], std::make_pair(1u, BN_CLICKED));
    button.SetState(TRUE);
    EXPECT_TRUE(button.GetState() & BST_PUSHED);

    CEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, u"EDIT", u"", WS_CHILD | WS_VISIBLE | ES_NUMBER, CRect(0, 30, 100, 50), &parent, 2));
    parent.commands.clear();
    UiTest::TypeText(&edit, u"1a2");
    EXPECT_EQ(edit.GetWindowText(), u"12"); // ES_NUMBER drops the letter
    EXPECT_EQ(parent.commands.size(), 2u);
    edit.SendMessage(WM_CHAR, u'7');
    EXPECT_EQ(edit.GetWindowText(), u"127");
    edit.SetSel(1, 2);
    edit.ReplaceSel(u"55");
    EXPECT_EQ(edit.GetWindowText(), u"1557");

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 60, 120, 160), &parent, 3));
    combo.AddString(u"walnut");
    combo.AddString(u"Acacia");
    combo.AddString(u"linden");
    std::u16string first;
    combo.GetLBText(0, first);
    EXPECT_EQ(first, u"Acacia");
    EXPECT_EQ(combo.FindString(-1, u"LIN"), 1);
    EXPECT_EQ(combo.FindStringExact(-1, u"walnu"), CB_ERR);
    combo.SetItemData(2, 42);
    EXPECT_EQ(combo.GetItemData(2), 42u);
    parent.commands.clear();
    combo.SetCurSel(2);
    EXPECT_TRUE(parent.commands.empty()); // the program's choice is not announced
    EXPECT_EQ(combo.GetWindowText(), u"walnut");
    RECT comboRect;
    combo.GetClientRect(&comboRect);
    EXPECT_LT(comboRect.bottom, 100); // one line high; 100 is the list's height

    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(150, 0, 300, 100), &parent, 4));
    list.AddString(u"Hive 1");
    list.AddString(u"Hive 2");
    list.SetItemData(1, 7);
    parent.commands.clear();
    list.SetCurSel(0);
    EXPECT_TRUE(parent.commands.empty());
    RECT second;
    list.GetItemRect(1, &second);
    UiTest::Click(&list, second.left + 5, second.top + 2);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(list.GetCurSel()), 7u);
    ASSERT_FALSE(parent.commands.empty());
    EXPECT_EQ(parent.commands.back(), std::make_pair(4u, LBN_SELCHANGE));
    BOOL outside = FALSE;
    list.ItemFromPoint(CPoint(5, 95), outside);
    EXPECT_TRUE(outside);
}

TEST(Controls, ToolBarCommandsTooltipsAndDisabledButtons)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 400, 100));
    CTipBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    const UINT ids[] = { 1110, 1111, 1112, 1113 };
    ASSERT_TRUE(bar.SetButtons(ids, 4));
    EXPECT_TRUE(bar.LoadToolBar(113));
    EXPECT_FALSE(bar.LoadToolBar(9999));
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(113));
    CImageList images;
    ASSERT_TRUE(images.Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 0));
    EXPECT_EQ(images.Add(&strip, RGB(255, 255, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 4);
    bar.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    EXPECT_TRUE(bar.EnableButton(1111, FALSE));
    EXPECT_FALSE(bar.IsButtonEnabled(1111));
    EXPECT_TRUE(bar.IsButtonEnabled(1110));

    UiTest::ProcessEvents();
    RECT first;
    bar.GetItemRect(0, &first);
    EXPECT_GE(first.right - first.left, 32);
    UiTest::Click(&bar, (first.left + first.right) / 2, (first.top + first.bottom) / 2);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0], std::make_pair(1110u, 0u));
    EXPECT_EQ(bar.TooltipText(1110).size(), 79u);
}

TEST(Controls, PopupMenuAndClipboard)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 4, u"Add colony");
    menu.AppendMenu(MF_STRING, 3, u"Change site");
    MenuResponder responder;
    responder.Choose(3);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 50, 60, &parent));
    ASSERT_EQ(responder.Calls().size(), 1u);
    EXPECT_EQ(responder.Calls()[0].items.size(), 2u);
    EXPECT_EQ(responder.Calls()[0].point.x, 50);
    UiTest::ProcessEvents();
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].first, 3u);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &parent), 0);

    ASSERT_TRUE(OpenClipboard(&parent));
    EXPECT_FALSE(OpenClipboard(&parent));
    EmptyClipboard();
    EXPECT_TRUE(SetClipboardData(CF_UNICODETEXT, u"Пасека 12"));
    CloseClipboard();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), u"Пасека 12");
    CloseClipboard();
}

TEST(Controls, DatePickerKeepsTheTimeOfDay)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE));
    CDateTimeCtrl date;
    ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 80, 20), &parent, 12328));
    const std::int64_t moment = 1700000000;
    date.SetTime(moment);
    std::int64_t shown = 0;
    date.GetTime(shown);
    EXPECT_EQ(shown, moment);
    EXPECT_TRUE(parent.notifications.empty());
    UiTest::KeyPress(&date, VK_UP);
    date.GetTime(shown);
    EXPECT_NE(shown, moment);
    ASSERT_FALSE(parent.notifications.empty());
    EXPECT_EQ(parent.notifications.back(), DTN_DATETIMECHANGE);
}

TEST(Controls, ToolTipTitleShowsOnlyWhileActive)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, 8210));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&edit));
    ASSERT_TRUE(tip.AddTool(&edit));
    tip.SendMessage(TTM_SETTITLE, TTI_INFO, reinterpret_cast<LPARAM>(u"Digits only"));
    tip.SendMessage(TTM_ACTIVATE, TRUE, 0);
    EXPECT_NE(tip.ShownText(&edit).find(u"Digits only"), std::u16string::npos);
    tip.SendMessage(TTM_ACTIVATE, FALSE, 0);
    EXPECT_TRUE(tip.ShownText(&edit).empty());
}

TEST(Controls, ToolTipTextFollowsItsUpdates)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE));
    CEdit first;
    CEdit second;
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &parent, 8210));
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 80, 50), &parent, 8211));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent));
    ASSERT_TRUE(tip.AddTool(&first, u"Before"));
    ASSERT_TRUE(tip.AddTool(&second, u"Other"));
    tip.UpdateTipText(u"After", &first);
    EXPECT_EQ(tip.ShownText(&first), u"After");
    EXPECT_EQ(tip.ShownText(&second), u"Other");
    tip.UpdateTipText(u"", &first);
    EXPECT_EQ(tip.ShownText(&first), u"");
}

namespace {
// Draws the items of its owner-drawn list box as the settings tree does.
class CListOwner : public CControlParent
{
public:
    void OnMeasureItem(int, MEASUREITEMSTRUCT* item) override { item->itemHeight = 30; }
    void OnDrawItem(int, DRAWITEMSTRUCT* item) override
    {
        drawn.push_back(item->itemID);
        item->hDC->FillSolidRect(&item->rcItem, item->itemState & ODS_SELECTED ? RGB(221, 165, 54) : RGB(255, 255, 255));
    }
    std::vector<UINT> drawn;
};
}

TEST(Controls, OwnerDrawnListBoxHasItsParentDrawEveryItem)
{
    CListOwner parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
        CRect(5, 5, 255, 195), &parent, 8193));
    list.AddString(u"Main");
    list.AddString(u"Journal");
    list.SetCurSel(1);
    UiTest::ProcessEvents(10);
    const UiTest::Image image = UiTest::Grab(&list);
    EXPECT_EQ(list.GetItemHeight(0), 30);
    RECT second;
    list.GetItemRect(1, &second);
    EXPECT_EQ(second.top, 30);
    EXPECT_EQ(image.At(second.left + 10, second.top + 10), RGB(221, 165, 54));
    EXPECT_EQ(image.At(second.left + 10, 10), RGB(255, 255, 255));
    EXPECT_NE(std::find(parent.drawn.begin(), parent.drawn.end(), 0u), parent.drawn.end());
}

TEST(Controls, EditableComboAndMultiLineEditTexts)
{
    CControlParent parent;
    ASSERT_TRUE(parent.CreateTopLevel(WS_VISIBLE, 300, 200));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 150, 100), &parent, 5));
    combo.AddString(u"Carpathian");
    combo.SetWindowText(u"Buck");
    EXPECT_TRUE(parent.commands.empty()); // text set by the program is not announced
    UiTest::TypeText(&combo, u"fast");
    EXPECT_EQ(combo.GetWindowText(), u"Buckfast");
    ASSERT_FALSE(parent.commands.empty());
    EXPECT_EQ(parent.commands.back(), std::make_pair(5u, CBN_EDITCHANGE));

    CEdit note;
    ASSERT_TRUE(note.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 50, 150, 150), &parent, 6));
    note.SetWindowText(u"calm\r\nstrong");
    EXPECT_EQ(note.GetWindowText(), u"calm\r\nstrong");
    EXPECT_EQ(note.GetWindowTextLength(), 12);
}
