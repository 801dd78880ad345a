#include "Button.h"
#include "DialogTemplates.h"
#include "Edit.h"
#include "ListBox.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
// A control as the template should make it: its place in dialog units.
struct Expected
{
    UINT id;
    const char16_t* className;
    DWORD style;
    int x;
    int y;
    int cx;
    int cy;
    const char16_t* text = u"";
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDefault = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kPush = kChild | WS_TABSTOP;
constexpr DWORD kHiddenPush = WS_CHILD | WS_TABSTOP;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCentredLabel = kChild | SS_RIGHT | SS_CENTERIMAGE;
constexpr DWORD kList = kChild | CBS_DROPDOWNLIST | WS_TABSTOP;

void ExpectLayout(UINT templateId, int cx, int cy, const std::vector<Expected>& controls)
{
    SCOPED_TRACE(templateId);
    DialogResponder responder;
    responder.Then([&](CDialog& dialog) {
        const DWORD modalPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        EXPECT_EQ(dialog.GetStyle() & modalPopup, modalPopup);
        RECT size { 0, 0, cx, cy };
        dialog.MapDialogRect(&size);
        RECT client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        EXPECT_EQ(dialog.GetChildren().size(), controls.size());
        for (const Expected& expected : controls) {
            SCOPED_TRACE(expected.id);
            CWnd* control = dialog.GetDlgItem(static_cast<int>(expected.id));
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->GetClassName(), expected.className);
            EXPECT_EQ(control->GetStyle() & expected.style, expected.style);
            EXPECT_EQ((control->GetStyle() & WS_VISIBLE) != 0, (expected.style & WS_VISIBLE) != 0);
            EXPECT_EQ(control->GetWindowText(), expected.text);
            RECT place { expected.x, expected.y, expected.x + expected.cx, expected.y + expected.cy };
            dialog.MapDialogRect(&place);
            RECT shown;
            control->GetWindowRect(&shown);
            dialog.ScreenToClient(&shown);
            EXPECT_EQ(shown.left, place.left);
            EXPECT_EQ(shown.top, place.top);
            EXPECT_EQ(shown.right, place.right);
            // A drop-down list keeps the height of its edit line.
            if (expected.className != std::u16string(u"COMBOBOX")) {
                EXPECT_EQ(shown.bottom, place.bottom);
            }
        }
        dialog.EndDialog(IDCANCEL);
    });
    CDialog dialog(templateId);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(responder.Count(), 1);
}

class CCountingList : public CListBox
{
public:
    void OnLButtonDown(UINT flags, CPoint point) override
    {
        ++presses;
        CListBox::OnLButtonDown(flags, point);
    }
    int presses = 0;
};

// The hive manager's free-hive list as a list of the program's own class.
class CManagerDialog : public CDialog
{
public:
    CManagerDialog() : CDialog(IDD_HOUSING_MANAGER) {}

    BOOL OnInitDialog() override
    {
        subclassed = hives.SubclassDlgItem(1012, this) != FALSE;
        hives.AddString(u"Hive 1");
        hives.AddString(u"Hive 2");
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == 1012 && HIWORD(wParam) == LBN_SELCHANGE)
            sender = reinterpret_cast<CWnd*>(lParam);
        return CDialog::OnCommand(wParam, lParam);
    }

    CCountingList hives;
    bool subclassed = false;
    CWnd* sender = nullptr;
};
}

TEST(DialogTemplates, HiveDialogsByNumber)
{
    ExpectLayout(IDD_HOUSING, 218, 78, {
        { IDOK, u"BUTTON", kDefault, 46, 57, 50, 14 },
        { IDCANCEL, u"BUTTON", kPush, 121, 57, 50, 14 },
        { 1010, u"EDIT", kEdit, 95, 7, 116, 12 },
        { 1003, u"COMBOBOX", kList, 96, 24, 115, 48 },
        { 1005, u"COMBOBOX", kList, 96, 41, 115, 40 },
        { 1007, u"STATIC", kCentredLabel, 7, 7, 84, 12 },
        { 1008, u"STATIC", kCentredLabel, 7, 24, 85, 12 },
        { 1009, u"STATIC", kCentredLabel, 7, 42, 86, 12 },
    });
    ExpectLayout(IDD_ADD_HOUSING, 278, 190, {
        { IDOK, u"BUTTON", kDefault, 221, 7, 50, 14 },
        { IDCANCEL, u"BUTTON", kPush, 221, 24, 50, 14 },
        { 1011, u"SysTabControl32", kChild, 7, 7, 213, 14 },
    });
    ExpectLayout(IDD_HOUSING_MANAGER, 306, 198, {
        { IDOK, u"BUTTON", kDefault, 249, 7, 50, 14 },
        { 1007, u"EDIT", kEdit, 7, 7, 108, 14 },
        { 1012, u"LISTBOX", kChild | LBS_SORT | WS_VSCROLL | LBS_NOTIFY | WS_TABSTOP, 7, 23, 108, 105 },
        { 1013, u"BUTTON", kPush, 120, 46, 20, 14, u">" },
        { 1014, u"BUTTON", kPush, 120, 66, 20, 14, u"<" },
        { 1015, u"SysTreeView32", kChild | TVS_FULLROWSELECT | TVS_SHOWSELALWAYS, 144, 7, 102, 121 },
        { 1016, u"BUTTON", kChild | BS_GROUPBOX, 7, 135, 186, 56 },
        { 1017, u"BUTTON", kPush, 197, 138, 50, 14 },
        { 1018, u"BUTTON", kPush, 197, 155, 50, 14 },
        { 1019, u"BUTTON", kPush, 197, 173, 50, 14 },
        { 1020, u"STATIC", kChild, 14, 149, 91, 8 },
        { 1021, u"STATIC", kChild, 14, 162, 91, 8 },
        { 1022, u"STATIC", kChild, 14, 174, 91, 8 },
        { 1023, u"EDIT", kEdit | ES_READONLY, 109, 149, 83, 12 },
        { 1024, u"EDIT", kEdit | ES_READONLY, 109, 162, 83, 12 },
        { 1025, u"EDIT", kEdit | ES_READONLY, 109, 175, 83, 12 },
    });
}

TEST(DialogTemplates, QueenManagerAndColumnDialogsByNumber)
{
    ExpectLayout(IDD_BQ_MANAGER, 625, 262, {
        { 1031, u"EDIT", kEdit, 7, 7, 115, 14 },
        { 1032, u"SysTreeView32", kChild | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 7, 24, 115, 231 },
        { 1034, u"BUTTON", kPush, 127, 241, 62, 14 },
        { 1035, u"BUTTON", kPush, 193, 241, 75, 14 },
        { 1043, u"BUTTON", kHiddenPush, 128, 241, 50, 14 },
        { 1044, u"BUTTON", kHiddenPush, 183, 241, 50, 14 },
        { 1037, u"BUTTON", kPush, 345, 241, 50, 14 },
        { 1038, u"BUTTON", kPush, 399, 241, 50, 14 },
        { 1039, u"BUTTON", kPush, 453, 241, 50, 14 },
        { 1040, u"BUTTON", kHiddenPush, 345, 241, 50, 14 },
        { 1041, u"BUTTON", kHiddenPush, 399, 241, 50, 14 },
        { 1042, u"BUTTON", kPush, 568, 7, 50, 14 },
    });
    ExpectLayout(IDD_COLUMN, 155, 70, {
        { IDOK, u"BUTTON", kDefault, 18, 49, 50, 14 },
        { IDCANCEL, u"BUTTON", kPush, 89, 49, 50, 14 },
        { 1004, u"STATIC", kChild | SS_RIGHT, 5, 15, 29, 12 },
        { 1002, u"EDIT", kEdit | ES_AUTOHSCROLL, 38, 15, 111, 12 },
        { 1006, u"STATIC", kChild | SS_RIGHT, 5, 31, 29, 12 },
        { 1001, u"COMBOBOX", kList | CBS_SORT | WS_VSCROLL, 38, 31, 111, 48 },
    });
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(DialogTemplates, SubclassedControlGetsItsMessagesAndKeepsItsBehaviour)
{
    DialogResponder responder;
    CManagerDialog dialog;
    auto pickSecond = [&](CDialog&) {
        EXPECT_TRUE(dialog.subclassed);
        EXPECT_EQ(dialog.GetDlgItem(1012), &dialog.hives);
        RECT second;
        ASSERT_GT(dialog.hives.GetItemRect(1, &second), 0);
        UiTest::Click(&dialog.hives, second.left + 5, second.top + 2);
        EXPECT_EQ(dialog.hives.GetCurSel(), 1);
        dialog.EndDialog(IDOK);
    };
    responder.Then(pickSecond);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.hives.presses, 1);
    EXPECT_EQ(dialog.sender, &dialog.hives);
    // The object outlives the dialog's window and takes the control again next time.
    EXPECT_FALSE(dialog.hives.IsCreated());
    responder.Then(pickSecond);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.hives.presses, 2);

    CListBox stray;
    CDialog other(IDD_HOUSING);
    responder.Then([&](CDialog& shown) { EXPECT_FALSE(stray.SubclassDlgItem(4242, &shown)); });
    other.DoModal();
}

TEST(DialogTemplates, SubclassedFirstControlTakesTheFirstFocus)
{
    class COwnOkDialog : public CDialog
    {
    public:
        COwnOkDialog() : CDialog(IDD_COLUMN) {}
        BOOL OnInitDialog() override
        {
            name.SubclassDlgItem(1002, this);
            return TRUE;
        }
        CEdit name;
    };
    DialogResponder responder;
    COwnOkDialog dialog;
    CWnd* focused = nullptr;
    responder.Then([&](CDialog&) {
        UiTest::ProcessEvents();
        focused = CWnd::GetFocus();
    });
    dialog.DoModal();
    EXPECT_EQ(focused, &dialog.name);
}
