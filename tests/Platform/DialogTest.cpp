#include "Button.h"
#include "ComboBox.h"
#include "Dialog.h"
#include "Edit.h"
#include "Printers.h"
#include "RecordingWindow.h"
#include "UiTest.h"

#include <gtest/gtest.h>

namespace {
DialogTemplate HiveTemplate()
{
    DialogTemplate hive;
    hive.caption = u"Hive";
    hive.cx = 218;
    hive.cy = 78;
    hive.items = {
        { u"BUTTON", IDOK, u"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 46, 57, 50, 14 },
        { u"BUTTON", IDCANCEL, u"Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 121, 57, 50, 14 },
        { u"EDIT", 1010, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE, 95, 7, 116, 12 },
        { u"COMBOBOX", 1003, u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 96, 24, 115, 48 },
    };
    return hive;
}

class CHiveDialog : public CDialog
{
public:
    CHiveDialog() : CDialog(HiveTemplate()) {}
    BOOL OnInitDialog() override
    {
        auto* types = dynamic_cast<CComboBox*>(GetDlgItem(1003));
        types->AddString(u"Dadant");
        types->AddString(u"Langstroth");
        types->SetCurSel(0);
        GetDlgItem(1010)->SetWindowText(u"Hive 1");
        return TRUE;
    }
    void OnOK() override
    {
        name = GetDlgItem(1010)->GetWindowText();
        CDialog::OnOK();
    }
    std::u16string name;
};
}

TEST(Dialogs, TemplateLayoutFollowsTheDialogFontAndControlsAreTyped)
{
    DialogResponder responder;
    RECT okPlace {};
    RECT client {};
    bool typed = false;
    responder.Then([&](CDialog& dialog) {
        dialog.GetClientRect(&client);
        dialog.GetDlgItem(IDOK)->GetWindowRect(&okPlace);
        dialog.ScreenToClient(&okPlace);
        typed = dynamic_cast<CEdit*>(dialog.GetDlgItem(1010)) && dynamic_cast<CButton*>(dialog.GetDlgItem(IDOK));
        dialog.EndDialog(IDCANCEL);
    });
    CHiveDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(typed);
    RECT expected { 46, 57, 96, 71 };
    dialog.MapDialogRect(&expected);
    EXPECT_EQ(okPlace.left, expected.left);
    EXPECT_EQ(okPlace.top, expected.top);
    EXPECT_EQ(okPlace.right, expected.right);
    // Base units of an 8 point sans face: about 6 by 13 pixels.
    RECT units { 0, 0, 4, 8 };
    dialog.MapDialogRect(&units);
    EXPECT_GE(units.right, 5);
    EXPECT_LE(units.right, 7);
    EXPECT_GE(units.bottom, 12);
    EXPECT_LE(units.bottom, 15);
    RECT size { 0, 0, 218, 78 };
    dialog.MapDialogRect(&size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    EXPECT_FALSE(dialog.IsCreated());
}

TEST(Dialogs, EnterInAnEditConfirmsAndTheDialogIsMadeAgainNextTime)
{
    DialogResponder responder;
    responder.Then([](CDialog& dialog) {
        CWnd* edit = dialog.GetDlgItem(1010);
        edit->SetWindowText(u"");
        UiTest::TypeText(edit, u"Hive 7");
        UiTest::KeyPress(edit, VK_RETURN);
    });
    responder.Then([](CDialog& dialog) { UiTest::Click(dialog.GetDlgItem(IDCANCEL), 5, 5); });
    CHiveDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, u"Hive 7");
    dialog.name.clear();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.name.empty());
    EXPECT_EQ(responder.Count(), 2);
}

TEST(Dialogs, TypingAtOnceGoesToTheFirstFieldAndTheMouseIsFree)
{
    // A window holding the mouse, as a button pressed to open the dialog does.
    CRecordingWindow owner;
    ASSERT_TRUE(owner.CreateTopLevel(WS_VISIBLE));
    owner.SetCapture();
    CWnd* captureInDialog = &owner;
    DialogResponder responder;
    responder.Then([&](CDialog& dialog) {
        captureInDialog = CWnd::GetCapture();
        UiTest::ProcessEvents();
        EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(1010));
        // Typed without a click first: the space must not press the OK button before the field.
        dialog.GetDlgItem(1010)->SetWindowText(u"");
        UiTest::TypeText(nullptr, u"Hive 2 b");
        EXPECT_FALSE(dialog.IsEnded());
        UiTest::Click(dialog.GetDlgItem(IDOK), 5, 5);
    });
    CHiveDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, u"Hive 2 b");
    EXPECT_EQ(captureInDialog, nullptr);
    EXPECT_EQ(owner.Of(WM_CAPTURECHANGED).size(), 1u);
}

TEST(Printers, DefaultPrinterIsOneOfTheKnownOnesOrNone)
{
    const std::vector<std::u16string> names = EnumPrinterNames();
    const std::u16string standard = GetDefaultPrinterName();
    EXPECT_TRUE(standard.empty() || std::find(names.begin(), names.end(), standard) != names.end());
}

TEST(Printers, AnInstalledListStandsInForThePrintSystem)
{
    const std::vector<std::u16string> system = EnumPrinterNames();
    {
        PrinterListOverride office({ u"Office laser", u"Barn inkjet" }, u"Barn inkjet");
        EXPECT_EQ(EnumPrinterNames(), (std::vector<std::u16string> { u"Office laser", u"Barn inkjet" }));
        EXPECT_EQ(GetDefaultPrinterName(), u"Barn inkjet");
        {
            PrinterListOverride none({}, u"");
            EXPECT_TRUE(EnumPrinterNames().empty());
            EXPECT_TRUE(GetDefaultPrinterName().empty());
        }
        EXPECT_EQ(GetDefaultPrinterName(), u"Barn inkjet");
    }
    EXPECT_EQ(EnumPrinterNames(), system);
}
