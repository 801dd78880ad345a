#include "CommonButton.h"
#include "CommonCombobox.h"
#include "CommonDateTimeCtrl.h"
#include "CommonEdit.h"
#include "CommonListBox.h"
#include "UiTest.h"
#include "WindowClass.h"

#include <gtest/gtest.h>

namespace {
// The form that receives the controls' key reports.
class CForm : public CWnd
{
public:
    BOOL Create()
    {
        WNDCLASS windowClass;
        windowClass.lpszClassName = u"TolvikTestForm";
        RegisterClass(windowClass);
        return CreateEx(0, u"TolvikTestForm", u"Form", WS_VISIBLE, 0, 0, 300, 200, nullptr, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMON_TAB)
            tabs.push_back(reinterpret_cast<CCommonControl*>(lParam));
        if (message == WM_COMMON_KEY)
            keyTexts.push_back(edit ? edit->GetWindowText() : std::u16string());
        return CWnd::WindowProc(message, wParam, lParam);
    }

    CEdit* edit = nullptr;
    std::vector<CCommonControl*> tabs;
    std::vector<std::u16string> keyTexts;
};
}

TEST(CommonControls, TabReachesTheParentAtOnceAndALetterLaterAfterTheEditShowsIt)
{
    CForm form;
    ASSERT_TRUE(form.Create());
    CCommonEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, u"EDIT", u"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), &form, 8210));
    form.edit = &edit;

    UiTest::KeyPress(&edit, VK_TAB);
    ASSERT_EQ(form.tabs.size(), 1u);
    EXPECT_EQ(form.tabs[0], static_cast<CCommonControl*>(&edit));
    EXPECT_EQ(edit.GetWindowText(), u"");

    UiTest::KeyPress(&edit, 'A');
    EXPECT_TRUE(form.keyTexts.empty()); // not yet: it is posted
    EXPECT_EQ(edit.GetWindowText(), u"a");
    UiTest::ProcessEvents(10);
    ASSERT_EQ(form.keyTexts.size(), 1u);
    EXPECT_EQ(form.keyTexts[0], u"a");
}

TEST(CommonControls, EveryKindReportsItsKeys)
{
    CForm form;
    ASSERT_TRUE(form.Create());
    CCommonButton button;
    CCommonCombobox combo;
    CCommonListBox list;
    CCommonDateTimeCtrl date;
    ASSERT_TRUE(button.Create(u"Apply", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 25), &form, 8195));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 30, 100, 130), &form, 8226));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 60, 100, 120), &form, 8242));
    ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(120, 0, 220, 20), &form, 8258));
    const std::vector<std::pair<CWnd*, CCommonControl*>> controls {
        { &button, &button }, { &combo, &combo }, { &list, &list }, { &date, &date } };
    for (const auto& [window, control] : controls) {
        form.tabs.clear();
        form.keyTexts.clear();
        UiTest::KeyPress(window, VK_TAB);
        ASSERT_EQ(form.tabs.size(), 1u);
        EXPECT_EQ(form.tabs[0], control);
        UiTest::KeyPress(window, VK_DOWN);
        UiTest::ProcessEvents(5);
        EXPECT_EQ(form.keyTexts.size(), 1u);
    }
}
