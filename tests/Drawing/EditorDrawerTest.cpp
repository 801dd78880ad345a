#include "Brush.h"
#include "ButtonDraw.h"
#include "DrawerWindow.h"
#include "EditItem.h"
#include "EditorDrawer.h"
#include "FontHelper.h"
#include "HeaderItem.h"
#include "SectionItem.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr UINT kCtrl = 4;
constexpr UINT kShift = 1;

// A title, a text row, a hidden row, a section without a button, a check row and a section with one.
struct Form
{
    Form()
        : drawer(&window)
    {
        title = drawer.AddItem(std::make_unique<CHeaderItem>(u"New colony\nat the linden site"));
        name = drawer.AddItem(std::make_unique<CEditItem>(u"Name", 10, EditText, u"Swarm"));
        hidden = drawer.AddItem(std::make_unique<CEditItem>(u"Hidden", 11, EditText, u""));
        hidden->SetHidden(true);
        plain = drawer.AddItem(std::make_unique<CSectionItem>(u"Extra", 12, &drawer));
        marked = drawer.AddItem(std::make_unique<CEditItem>(u"Marked", 13, EditCheckMark, u"+"));
        auto buttoned = std::make_unique<CSectionItem>(u"Queens", 14, &drawer);
        buttoned->AddButton(u"Add");
        section = drawer.AddItem(std::move(buttoned));
        drawer.Layout(400);
        window.drawer = &drawer;
        window.onKey = [this](UINT key, UINT flags) { drawer.OnKey(key, flags); };
        window.onLeftDown = [this](UINT flags, CPoint point) {
            drawer.FocusAt(point.x, point.y);
            drawer.OnMouse(WM_LBUTTONDOWN, point.x, point.y, flags);
        };
    }

    CDrawerWindow window;
    CEditorDrawer drawer;
    CEditorItem* title;
    CEditorItem* name;
    CEditorItem* hidden;
    CEditorItem* plain;
    CEditorItem* marked;
    CEditorItem* section;
};
}

TEST(EditorDrawer, MeasuresTitlesSectionsAndRowsAndPaintsGoldenCaptions)
{
    Form form;
    EXPECT_EQ(form.title->GetHeight(), 45);
    EXPECT_EQ(form.hidden->GetHeight(), 0);
    EXPECT_EQ(form.plain->GetHeight(), 19 + 15);
    const int caption = MeasureText(u"Name", 200, nullptr).cy;
    EXPECT_EQ(form.name->GetHeight(), std::max(caption + 5, static_cast<CEditItem*>(form.name)->Control()->GetHeight()));
    EXPECT_EQ(form.drawer.TotalHeight(),
        45 + form.name->GetHeight() + 34 + form.marked->GetHeight() + form.section->GetHeight());
    EXPECT_EQ(form.drawer.GetValue(10), u"Swarm");
    EXPECT_EQ(form.drawer.GetValue(13), u"+");
    EXPECT_EQ(form.drawer.GetCaption(14), u"Queens");
    EXPECT_EQ(form.drawer.GetValue(99), u"");
    EXPECT_EQ(ControlTypeOfUserField(2), EditWholeNumber);
    EXPECT_EQ(ControlTypeOfUserField(3), EditDecimalNumber);
    EXPECT_EQ(ControlTypeOfUserField(4), EditCheckMark);
    EXPECT_EQ(ControlTypeOfUserField(5), EditDate);
    EXPECT_EQ(ControlTypeOfUserField(1), EditText);

    ASSERT_TRUE(form.window.CreateShown(400, 400));
    UiTest::ProcessEvents();
    const UiTest::Image image = UiTest::Grab(&form.window);
    const int top = form.name->GetTop();
    EXPECT_EQ(top, 45);
    EXPECT_EQ(image.At(0, top + 2), RGB(0, 0, 0));
    EXPECT_EQ(image.At(3, top + 2), RGB(221, 165, 54));
    EXPECT_EQ(image.At(200, top + 2), RGB(0, 0, 0));
    EXPECT_EQ(image.At(399, top + 2), RGB(0, 0, 0));
    EXPECT_EQ(image.At(398, top + 2), GetSysColor(COLOR_BTNFACE));
}

TEST(EditorDrawer, TabWalksForwardSkippingHiddenRowsAndCtrlTabWalksBack)
{
    Form form;
    ASSERT_TRUE(form.window.CreateShown(400, 400));
    UiTest::ProcessEvents();
    UiTest::KeyPress(&form.window, VK_TAB);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);
    form.drawer.OnKey(VK_TAB, kShift);
    EXPECT_EQ(form.drawer.FocusedItem(), form.marked);
    form.drawer.OnKey(VK_TAB, kShift);
    EXPECT_EQ(form.drawer.FocusedItem(), form.section);
    form.drawer.OnKey(VK_TAB, 0);
    EXPECT_EQ(form.drawer.FocusedItem(), nullptr);
    form.drawer.OnKey(VK_TAB, 0);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);
    UiTest::KeyPress(&form.window, VK_TAB, MK_CONTROL);
    EXPECT_EQ(form.drawer.FocusedItem(), nullptr);
    form.drawer.OnKey(VK_TAB, kCtrl);
    EXPECT_EQ(form.drawer.FocusedItem(), form.section);
    form.drawer.OnKey(VK_TAB, kCtrl);
    EXPECT_EQ(form.drawer.FocusedItem(), form.marked);
    // Hidden rows are skipped backwards too: keys never go to a field nobody sees.
    form.drawer.OnKey(VK_TAB, kCtrl);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);

    // A click on the title focuses it; Tab goes on from there.
    UiTest::Click(&form.window, 100, 10);
    EXPECT_EQ(form.drawer.FocusedItem(), form.title);
    UiTest::KeyPress(&form.window, VK_TAB);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);
    // A click outside every row keeps the focus.
    UiTest::Click(&form.window, 100, 395);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);

    // Page Down goes to the first field of the next section, Page Up back to the section before.
    UiTest::KeyPress(&form.window, VK_NEXT);
    EXPECT_EQ(form.drawer.FocusedItem(), form.marked);
    UiTest::KeyPress(&form.window, VK_NEXT);
    EXPECT_EQ(form.drawer.FocusedItem(), form.marked);
    UiTest::KeyPress(&form.window, VK_PRIOR);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);
}

TEST(EditorDrawer, SectionButtonPostsItsIdByClickSpaceAndEnter)
{
    Form form;
    ASSERT_TRUE(form.window.CreateShown(400, 400));
    UiTest::ProcessEvents();
    auto* button = static_cast<CSectionItem*>(form.section)->Button();
    const RECT rect = button->Rect();
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, form.section->GetTop());
    const int middle = (rect.top + rect.bottom) / 2;
    UiTest::Click(&form.window, 320, middle);
    form.drawer.OnMouse(WM_LBUTTONUP, 320, middle, 0);
    UiTest::ProcessEvents();
    ASSERT_EQ(form.window.notifications.size(), 1u);
    EXPECT_EQ(form.window.notifications[0].message, 1035u);
    EXPECT_EQ(form.window.notifications[0].wParam, 14u);
    UiTest::KeyPress(&form.window, VK_SPACE);
    UiTest::KeyPress(&form.window, VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(form.window.notifications.size(), 3u);
    // A press released outside the button posts nothing.
    UiTest::Click(&form.window, 320, middle);
    form.drawer.OnMouse(WM_MOUSEMOVE, 100, middle, MK_LBUTTON);
    form.drawer.OnMouse(WM_LBUTTONUP, 320, middle, 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(form.window.notifications.size(), 3u);
}

TEST(EditorDrawer, FocusedTextRowTakesTypingAndGrowsWithItsText)
{
    Form form;
    ASSERT_TRUE(form.window.CreateShown(400, 400));
    UiTest::ProcessEvents();
    UiTest::Click(&form.window, 300, form.name->GetTop() + 5);
    EXPECT_EQ(form.drawer.FocusedItem(), form.name);
    const int before = form.name->GetHeight();
    UiTest::KeyPress(&form.window, VK_RETURN);
    UiTest::TypeText(&form.window, u"two");
    EXPECT_GT(form.name->GetHeight(), before);
    EXPECT_EQ(form.drawer.GetValue(10).size(), 9u);
    // A click on the caption half goes to no control: the check mark stays.
    UiTest::Click(&form.window, 50, form.marked->GetTop() + 5);
    EXPECT_EQ(form.drawer.FocusedItem(), form.marked);
    EXPECT_EQ(form.drawer.GetValue(13), u"+");
    UiTest::Click(&form.window, 300, form.marked->GetTop() + 5);
    EXPECT_EQ(form.drawer.GetValue(13), u"-");
}
