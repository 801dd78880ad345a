#include "Clipboard.h"
#include "CreateControl.h"
#include "ListBox.h"
#include "ListValue.h"
#include "ToolTipCtrl.h"
#include "UiTest.h"
#include "WindowClass.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// The form that hears what its controls announce.
class CForm : public CWnd
{
public:
    BOOL Create()
    {
        WNDCLASS windowClass;
        windowClass.lpszClassName = u"TolvikTestModelForm";
        RegisterClass(windowClass);
        return CreateEx(0, u"TolvikTestModelForm", u"Form", WS_VISIBLE, 0, 0, 400, 300, nullptr, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTROL_CHANGED)
            changes.push_back(*reinterpret_cast<const std::u16string*>(wParam) + u"="
                + *reinterpret_cast<const std::u16string*>(lParam));
        if (message == WM_CONTROL_REREAD)
            rereads.push_back(*reinterpret_cast<const std::u16string*>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<std::u16string> changes;
    std::vector<std::u16string> rereads;
};

ControlEntry Entry(const std::u16string& type, const std::u16string& value, ControlProperties properties = {})
{
    return { { type, 10, 10, 200, 60, 0, u"Caption", u"control" }, value, std::move(properties) };
}

class ControlModelTest : public testing::Test
{
protected:
    ControlModelTest() { form.Create(); }
    CForm form;
};
}

TEST_F(ControlModelTest, FactoryKnowsTheNineTypesExactly)
{
    for (const char16_t* type : { u"static", u"button", u"check_box", u"edit", u"edit_number", u"edit_double",
             u"combo_box", u"list_box", u"date_ctrl" }) {
        std::unique_ptr<IControl> control = CreateControl(Entry(type, u""), &form, 8210);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->Window().IsCreated());
        EXPECT_EQ(control->Window().GetDlgCtrlID(), 8210);
        EXPECT_EQ(control->GetName(), u"control");
    }
    EXPECT_EQ(CreateControl(Entry(u"Edit", u""), &form, 8210), nullptr);
    EXPECT_EQ(CreateControl(Entry(u"edit ", u""), &form, 8210), nullptr);
}

TEST_F(ControlModelTest, ButtonAnnouncesPressAndKeepsItsStateForUnknownValues)
{
    std::unique_ptr<IControl> button
        = CreateControl(Entry(u"button", u"button_up", { { u"dependents", u"a" }, { u"dependents", u"b" } }), &form, 8210);
    button->SetValue(u"pressed");
    EXPECT_EQ(button->GetValue(), u"button_up");
    EXPECT_TRUE(button->Window().IsWindowEnabled());
    UiTest::MouseDown(&button->Window(), 5, 5);
    EXPECT_EQ(form.changes, std::vector<std::u16string> { u"control=button_down" });
    EXPECT_EQ(form.rereads, (std::vector<std::u16string> { u"a", u"b" }));
    UiTest::MouseUp(&button->Window(), 5, 5);
    EXPECT_EQ(form.changes.back(), u"control=button_up");
    button->SetValue(u"button_disable");
    EXPECT_FALSE(button->Window().IsWindowEnabled());
}

TEST_F(ControlModelTest, CheckBoxTogglesWithClickAndSpace)
{
    std::unique_ptr<IControl> box = CreateControl(Entry(u"check_box", u"unchecked"), &form, 8210);
    UiTest::Click(&box->Window(), 5, 10);
    EXPECT_EQ(box->GetValue(), u"checked");
    UiTest::KeyPress(&box->Window(), VK_SPACE);
    EXPECT_EQ(box->GetValue(), u"unchecked");
    EXPECT_EQ(form.changes, (std::vector<std::u16string> { u"control=checked", u"control=unchecked" }));
}

TEST_F(ControlModelTest, ListBuildsItsValueFromListStringsAndAnnouncesItOnce)
{
    std::unique_ptr<IControl> list = CreateControl(
        Entry(u"list_box", u"", { { u"ListString", u"Dadant|1" }, { u"ListString", u"Top\\|bar|2" }, { u"ListString", u"Zander|3" } }),
        &form, 8210);
    auto& window = static_cast<CListBox&>(list->Window());
    ASSERT_EQ(window.GetCount(), 3);
    EXPECT_EQ(window.GetCurSel(), LB_ERR);
    ASSERT_EQ(form.changes.size(), 1u);
    const ListValue value = ListValue::Parse(list->GetValue());
    ASSERT_EQ(value.items.size(), 3u);
    EXPECT_EQ(value.items[1].name, u"Top|bar");
    EXPECT_EQ(value.items[1].number, 2);

    CRect item;
    window.GetItemRect(1, &item);
    UiTest::Click(&window, item.left + 3, item.top + 2);
    EXPECT_EQ(ListValue::Parse(list->GetValue()).current, u"Top|bar");
    UiTest::KeyPress(&window, VK_DOWN);
    EXPECT_EQ(ListValue::Parse(list->GetValue()).current, u"Zander");
    EXPECT_EQ(form.changes.size(), 3u);
}

TEST_F(ControlModelTest, DecimalFieldTakesTwoDecimalsOnlyAndFiltersPastedText)
{
    std::unique_ptr<IControl> field = CreateControl(Entry(u"edit_double", u""), &form, 8210);
    UiTest::TypeText(&field->Window(), u"12.345.6");
    EXPECT_EQ(field->GetValue(), u"12.34");
    EXPECT_EQ(field->Window().GetWindowText(), u"12.34");

    field->SetValue(u"");
    OpenClipboard(&form);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, u"12a");
    CloseClipboard();
    UiTest::KeyPress(&field->Window(), 'V', MK_CONTROL);
    EXPECT_EQ(field->Window().GetWindowText(), u"12");
    EXPECT_EQ(field->GetValue(), u"12");
}

TEST_F(ControlModelTest, RefusedValueShowsItsRuleInTheTooltip)
{
    std::unique_ptr<IControl> field = CreateControl(
        Entry(u"edit", u"abc", { { u"regex", u"^\\d+$" }, { u"rule_describe", u"Digits only" } }), &form, 8210);
    EXPECT_FALSE(field->Validate());
    EXPECT_NE(CToolTipCtrl().ShownText(&field->Window()).find(u"Digits only"), std::u16string::npos);
    field->SetValue(u"42");
    EXPECT_TRUE(field->Validate());
    EXPECT_EQ(CToolTipCtrl().ShownText(&field->Window()).find(u"Digits only"), std::u16string::npos);
}
