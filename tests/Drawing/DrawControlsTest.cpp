#include "CheckBoxDraw.h"
#include "ComboBoxDraw.h"
#include "DateDraw.h"
#include "DoubleEditDraw.h"
#include "DrawerWindow.h"
#include "EditItem.h"
#include "EditorDrawer.h"
#include "KeyProcess.h"
#include "MessageBox.h"
#include "NumberEditDraw.h"
#include "Text.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
// A form of one row with the control, shown in a window whose keys go to the form.
struct Form
{
    explicit Form(int type, const std::u16string& value)
        : drawer(&window)
    {
        item = static_cast<CEditItem*>(drawer.AddItem(std::make_unique<CEditItem>(u"Value", 7, type, value)));
        drawer.Layout(400);
        drawer.FocusAt(300, 5);
        window.drawer = &drawer;
        window.onKey = [this](UINT key, UINT flags) { drawer.OnKey(key, flags); };
        window.onLeftDown = [this](UINT flags, CPoint point) {
            drawer.FocusAt(point.x, point.y);
            drawer.OnMouse(WM_LBUTTONDOWN, point.x, point.y, flags);
        };
        EXPECT_TRUE(window.CreateShown(400, 300));
    }
    std::u16string Value() const { return drawer.GetValue(7); }
    void Type(const std::u16string& text) { UiTest::TypeText(&window, text); }

    CDrawerWindow window;
    CEditorDrawer drawer;
    CEditItem* item = nullptr;
};
}

TEST(DrawControls, NumberFieldReplacesItsZeroFallsBackToZeroAndTakesNineDigits)
{
    MessageBoxResponder boxes;
    Form form(EditWholeNumber, u"");
    EXPECT_EQ(form.Value(), u"0");
    UiTest::KeyPress(&form.window, '7');
    EXPECT_EQ(form.Value(), u"7");
    UiTest::KeyPress(&form.window, VK_BACK);
    EXPECT_EQ(form.Value(), u"0");
    form.Type(u"a1-2.3");
    EXPECT_EQ(form.Value(), u"123");
    EXPECT_TRUE(boxes.Calls().empty());
    // The tenth digit is refused, and the refusal told.
    form.Type(u"4567890");
    EXPECT_EQ(form.Value(), u"123456789");
    EXPECT_EQ(boxes.Calls().size(), 1u);
    UiTest::KeyPress(&form.window, VK_LEFT);
    UiTest::KeyPress(&form.window, VK_RETURN);
    EXPECT_EQ(form.Value(), u"123456789");

    CNumberEditDraw number(u"105", nullptr);
    number.MoveCaret(1);
    number.OnKey(VK_BACK, 0);
    EXPECT_EQ(number.GetValue(), u"05");
    // No leading zero typed in front of digits.
    number.InsertChar(u'0');
    EXPECT_EQ(number.GetValue(), u"05");
}

TEST(DrawControls, DecimalFieldKeepsOnePointAndNoLeadingZeros)
{
    Form form(EditDecimalNumber, u"");
    EXPECT_EQ(form.Value(), u"0");
    UiTest::KeyPress(&form.window, VK_RIGHT);
    form.Type(u".");
    EXPECT_EQ(form.Value(), u"0.");
    form.Type(u"5.");
    EXPECT_EQ(form.Value(), u"0.5");

    CDoubleEditDraw five(u"5", nullptr);
    five.InsertChar(u'.');
    EXPECT_EQ(five.GetValue(), u"0.5");
    EXPECT_EQ(five.Caret(), 2);

    CDoubleEditDraw half(u"0.5", nullptr);
    half.MoveCaret(1);
    half.InsertChar(u'3');
    EXPECT_EQ(half.GetValue(), u"3.5");
    half.InsertChar(u'.');
    EXPECT_EQ(half.GetValue(), u"3.5");

    // Deleting the digit before the point leaves a zero in front of it.
    CDoubleEditDraw point(u"3.5", nullptr);
    point.DeleteChar(0);
    EXPECT_EQ(point.GetValue(), u"0.5");
    CDoubleEditDraw zeros(u"100", nullptr);
    zeros.DeleteChar(0);
    EXPECT_EQ(zeros.GetValue(), u"0");
    CDoubleEditDraw leading(u"105", nullptr);
    leading.DeleteChar(0);
    EXPECT_EQ(leading.GetValue(), u"5");
}

// Typing over a selection replaces it with what is typed, whatever the text left between.
TEST(DrawControls, NumberFieldsReplaceASelectionWithTheTypedDigit)
{
    CNumberEditDraw whole(u"5", nullptr);
    whole.OnKey(VK_RIGHT, KeyFlagShift);
    whole.InsertChar(u'7');
    EXPECT_EQ(whole.GetValue(), u"7");
    EXPECT_EQ(whole.Caret(), 1);

    CDoubleEditDraw zero(u"0.5", nullptr);
    zero.OnKey(VK_RIGHT, KeyFlagShift);
    zero.InsertChar(u'3');
    EXPECT_EQ(zero.GetValue(), u"3.5");
    zero.OnKey(VK_LEFT, KeyFlagShift);
    zero.InsertChar(u'0');
    EXPECT_EQ(zero.GetValue(), u"0.5");
    // No zero typed in front of a whole number, over a selection either.
    CNumberEditDraw all(u"42", nullptr);
    all.OnKey(VK_RIGHT, KeyFlagShift);
    all.InsertChar(u'0');
    EXPECT_EQ(all.GetValue(), u"42");

    // Dragged from right to left over "3.", then a point: the rest keeps its zero in front.
    CDoubleEditDraw whole5(u"3.5", nullptr);
    whole5.OnKey(VK_RIGHT, 0);
    whole5.OnKey(VK_RIGHT, 0);
    whole5.OnKey(VK_LEFT, KeyFlagShift);
    whole5.OnKey(VK_LEFT, KeyFlagShift);
    whole5.InsertChar(u'.');
    EXPECT_EQ(whole5.GetValue(), u"0.5");
}

TEST(DrawControls, CalendarMovesAcrossMonthsAndKnowsLeapYearsByFour)
{
    CDateDraw january(u"30.01.2023", nullptr);
    EXPECT_EQ(january.GetValue(), u"30.01.2023");
    january.OnKey(VK_DOWN, 0);
    EXPECT_EQ(january.GetValue(), u"06.02.2023");
    CDateDraw march(u"03.03.2023", nullptr);
    march.OnKey(VK_UP, 0);
    EXPECT_EQ(march.GetValue(), u"24.02.2023");
    CDateDraw newYear(u"01.01.2024", nullptr);
    newYear.OnKey(VK_LEFT, 0);
    EXPECT_EQ(newYear.GetValue(), u"31.12.2023");
    newYear.OnKey(VK_RIGHT, 0);
    EXPECT_EQ(newYear.GetValue(), u"01.01.2024");
    EXPECT_EQ(MonthDays(1, 1900), 29);
    EXPECT_EQ(MonthDays(1, 2100), 29);
    EXPECT_EQ(MonthDays(1, 2023), 28);
    // February 2021 starts on a Monday and fills exactly four weeks.
    CDateDraw february(u"10.02.2021", nullptr);
    EXPECT_EQ(february.FirstColumn(), 0);
    february.SetWidth(200);
    EXPECT_EQ(february.GetHeight(), 41 + 4 * 20);
    CDateDraw may(u"10.05.2021", nullptr);
    may.SetWidth(200);
    EXPECT_EQ(may.FirstColumn(), 5);
    EXPECT_EQ(may.GetHeight(), 41 + 6 * 20);
}

TEST(DrawControls, CalendarPaintsItsBandAndTheSelectedDayAndTakesClicks)
{
    Form form(EditDate, u"15.06.2022");
    UiTest::ProcessEvents();
    auto* date = static_cast<CDateDraw*>(form.item->Control());
    const RECT day = date->DayRect(14);
    const RECT rect = date->Rect();
    const UiTest::Image image = UiTest::Grab(&form.window);
    EXPECT_EQ(image.At(day.left + 2, day.top + 2), RGB(0, 0, 255));
    const int centre = (rect.left + rect.right) / 2;
    EXPECT_EQ(image.At(centre - 85, rect.top + 2), RGB(221, 165, 54));
    EXPECT_EQ(form.item->GetHeight(), date->GetHeight());

    const RECT other = date->DayRect(2);
    UiTest::Click(&form.window, other.left + 5, other.top + 5);
    EXPECT_EQ(form.Value(), u"03.06.2022");
    // The band's next-year zone.
    UiTest::Click(&form.window, centre + 85, rect.top + 5);
    EXPECT_EQ(form.Value(), u"03.06.2023");
}

TEST(DrawControls, ListShowsAScrollBarFromSevenEntriesAndMovesItsSelection)
{
    CComboBoxDraw list(nullptr);
    for (int key = 1; key <= 6; ++key)
        list.Append(key * 10, u"Entry " + IntToText(key));
    list.SetWidth(200);
    EXPECT_FALSE(list.HasScrollBar());
    list.Append(70, u"Entry 7");
    list.SetWidth(200);
    EXPECT_TRUE(list.HasScrollBar());
    const int bar = list.GetHeight() / 6;
    EXPECT_EQ(list.ThumbRect().top, list.Rect().top + bar);
    EXPECT_EQ(list.ThumbRect().bottom - list.ThumbRect().top, bar * 4 / 2);
    EXPECT_EQ(list.GetValue(), u"10");
    for (int i = 0; i < 6; ++i)
        list.OnKey(VK_DOWN, 0);
    EXPECT_EQ(list.GetValue(), u"70");
    EXPECT_EQ(list.FirstVisible(), 1);
    list.OnKey(VK_UP, 0);
    EXPECT_EQ(list.GetValue(), u"60");
    // The up button of the scroll bar, then a click on the first line.
    list.OnMouse(WM_LBUTTONDOWN, list.Rect().right - 2, list.Rect().top + 2, 0);
    EXPECT_EQ(list.FirstVisible(), 0);
    list.OnMouse(WM_LBUTTONDOWN, list.Rect().left + 5, list.Rect().top + 2, 0);
    EXPECT_EQ(list.GetValue(), u"10");
    list.SelectKey(40);
    EXPECT_EQ(list.GetValue(), u"40");
    list.SelectKey(99);
    EXPECT_EQ(list.GetValue(), u"40");
}

TEST(DrawControls, CheckMarkTogglesBySpaceAndClick)
{
    CCheckBoxDraw check(u"+", nullptr);
    EXPECT_EQ(check.GetValue(), u"+");
    EXPECT_TRUE(check.OnKey(VK_SPACE, 0));
    EXPECT_EQ(check.GetValue(), u"-");
    EXPECT_TRUE(check.OnMouse(WM_LBUTTONDOWN, 0, 0, 0));
    EXPECT_EQ(check.GetValue(), u"+");
    EXPECT_FALSE(check.OnKey(VK_RETURN, 0));
}
