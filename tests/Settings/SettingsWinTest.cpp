#include "Application.h"
#include "BothLanguages.h"
#include "ColumnDialog.h"
#include "ContentSettings.h"
#include "DatabaseManager.h"
#include "Dialog.h"
#include "IControl.h"
#include "IVisualComponent.h"
#include "LanguageManager.h"
#include "LauncherIds.h"
#include "ListBox.h"
#include "MessageBox.h"
#include "PictureButton.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "SettingsWin.h"
#include "CareWords.h"
#include "EventCounter.h"
#include "VarroaThresholds.h"
#include "StringIds.h"
#include "TaskOffers.h"
#include "Text.h"
#include "UiTest.h"
#include "VisualManager.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
class SettingsWinTest : public BothLanguages
{
protected:
    SettingsWinTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        ChooseLanguage();
        application = static_cast<CApplication*>(GetApplication());
        application->InitInstance();
        UiTest::ProcessEvents(20);
    }
    ~SettingsWinTest() override
    {
        application->Release();
        DeleteVisualManager();
    }

    std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    CWnd* Window()
    {
        IVisualComponent* component = GetVisualManager()->FindComponent(StringId::MainSettingsTitle);
        return component ? dynamic_cast<CWnd*>(component->GetWindow()) : nullptr;
    }

    int ItemOf(CListBox* tree, std::int32_t captionId)
    {
        return tree->FindStringExact(-1, Text(captionId));
    }

    void ClickItem(CListBox* tree, int index)
    {
        CRect item;
        tree->GetItemRect(index, &item);
        UiTest::Click(tree, item.left + 50, item.top + 3);
    }

    // Picks the language after (or before) `shown` in the language box of the page shown.
    std::u16string ChooseOtherLanguage(const std::u16string& shown)
    {
        IControl* language = ControlNamed(u"combo_lang");
        if (!language)
            return {};
        UiTest::KeyPress(&language->Window(), VK_DOWN);
        if (language->GetValue() == shown)
            UiTest::KeyPress(&language->Window(), VK_UP);
        return language->GetValue() == shown ? std::u16string() : language->GetValue();
    }

    IControl* ControlNamed(const std::u16string& name)
    {
        auto* content = dynamic_cast<CContentSettings*>(Window()->GetDlgItem(CSettingsWin::IdContent));
        for (const auto& control : content->Controls())
            if (control->GetName() == name)
                return control.get();
        return nullptr;
    }

    SettingsStore store;
    MessageBoxResponder boxes;
    CApplication* application = nullptr;
};
}

TEST_P(SettingsWinTest, EditSwitchApplyFoldAndClose)
{
    CWnd* launcher = application->m_pMainWnd;
    ASSERT_NE(launcher, nullptr);
    UiTest::Click(launcher->GetDlgItem(IdSettingsButton), 50, 40);
    CWnd* window = Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->IsCreated());
    CRect client;
    window->GetClientRect(&client);
    EXPECT_EQ(window->GetWindowText(), Text(StringId::SettingsName));

    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    CWnd* apply = window->GetDlgItem(CSettingsWin::IdApply);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->GetCount(), 7);
    EXPECT_FALSE(apply->IsWindowEnabled());
    CRect treeRect;
    tree->GetWindowRect(&treeRect);
    window->ScreenToClient(&treeRect);
    EXPECT_EQ(treeRect.left, 5);
    EXPECT_EQ(treeRect.bottom, client.Height() - 70);

    // The first focus selects the first page and shows its form.
    tree->SetFocus();
    UiTest::ProcessEvents(10);
    EXPECT_EQ(tree->GetCurSel(), 0);

    ClickItem(tree, ItemOf(tree, StringId::FamilyViewSettingsTitle));
    IControl* queen = ControlNamed(u"check_exist_bee_queen");
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->GetValue(), kUnchecked);
    UiTest::Click(&queen->Window(), 5, 10);
    EXPECT_EQ(queen->GetValue(), kChecked);
    EXPECT_TRUE(apply->IsWindowEnabled());

    // Another page and back: the edit is still pending.
    ClickItem(tree, ItemOf(tree, StringId::JournalName));
    EXPECT_EQ(ControlNamed(u"check_exist_bee_queen"), nullptr);
    EXPECT_NE(ControlNamed(u"combo_style"), nullptr);
    ClickItem(tree, ItemOf(tree, StringId::FamilyViewSettingsTitle));
    EXPECT_EQ(ControlNamed(u"check_exist_bee_queen")->GetValue(), kChecked);
    EXPECT_TRUE(store.Values(kFamilyViewSettingsKey).empty());

    UiTest::Click(apply, 10, 10);
    EXPECT_FALSE(apply->IsWindowEnabled());
    EXPECT_EQ(ControlNamed(u"check_exist_bee_queen")->GetValue(), kChecked);
    EXPECT_EQ(ControlNamed(u"check_wox")->GetValue(), kUnchecked);
    EXPECT_EQ(store.Values(kFamilyViewSettingsKey),
        (std::map<std::string, std::string> { { "check_exist_bee_queen", "checked" } }));

    // Folding the journal's pages and unfolding them again.
    CRect item;
    const int journal = ItemOf(tree, StringId::JournalName);
    tree->GetItemRect(journal, &item);
    UiTest::DoubleClick(tree, item.left + 50, item.top + 3);
    EXPECT_EQ(tree->GetCount(), 2);
    EXPECT_EQ(ItemOf(tree, StringId::FamilyViewSettingsTitle), LB_ERR);
    UiTest::DoubleClick(tree, item.left + 50, item.top + 3);
    EXPECT_EQ(tree->GetCount(), 7);
    EXPECT_NE(ItemOf(tree, StringId::FamilyViewSettingsTitle), LB_ERR);

    // An edit, then Close: nothing more is stored.
    ClickItem(tree, ItemOf(tree, StringId::PointViewSettingsTitle));
    IControl* note = ControlNamed(u"check_note");
    ASSERT_NE(note, nullptr);
    UiTest::Click(&note->Window(), 5, 10);
    EXPECT_TRUE(apply->IsWindowEnabled());
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdClose), 10, 10);
    EXPECT_FALSE(window->IsCreated());
    EXPECT_TRUE(store.Values(kPointViewSettingsKey).empty());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(SettingsWinTest, DefaultsAskFirstAndStoreNothingUntilApply)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    ASSERT_NE(window, nullptr);
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::RecordViewSettingsTitle));
    UiTest::Click(&ControlNamed(u"check_ambrosia")->Window(), 5, 10);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    ASSERT_EQ(ReadRegistryString(u"check_ambrosia", kRecordViewSettingsKey), kChecked);

    boxes.Answer(IDCANCEL);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdDefaults), 10, 10);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::RestoreDefaultsQuestion));
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::MainWindowCaption) + u": " + Text(StringId::SettingsName));
    EXPECT_EQ(ControlNamed(u"check_ambrosia")->GetValue(), kChecked);

    boxes.Answer(IDOK);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdDefaults), 10, 10);
    EXPECT_EQ(ControlNamed(u"check_ambrosia")->GetValue(), kUnchecked);
    EXPECT_TRUE(window->GetDlgItem(CSettingsWin::IdApply)->IsWindowEnabled());
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdClose), 10, 10);
    EXPECT_EQ(ReadRegistryString(u"check_ambrosia", kRecordViewSettingsKey), kChecked);
}

TEST_P(SettingsWinTest, AddingAColumnEndsThePressSoTheWindowAnswersClicksAgain)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    ASSERT_NE(window, nullptr);
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::PointViewSettingsTitle));
    IControl* add = ControlNamed(u"add_column");
    ASSERT_NE(add, nullptr);
    CWnd* captureInDialog = window;
    DialogResponder dialogs;
    dialogs.Then([&](CDialog& dialog) {
        captureInDialog = CWnd::GetCapture();
        UiTest::TypeText(dialog.GetDlgItem(CColumnDialog::IdName), u"Weight");
        UiTest::Click(dialog.GetDlgItem(IDOK), 5, 5);
    });
    // The button's release goes to the modal dialog, never to the button.
    UiTest::MouseDown(&add->Window(), 10, 10);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(captureInDialog, nullptr);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(add->GetValue(), kButtonUp);

    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    EXPECT_EQ(dialogs.Count(), 1);
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, u"SELECT name FROM user_fields");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"Weight");
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdClose), 10, 10);
    EXPECT_FALSE(window->IsCreated());
    EXPECT_EQ(dialogs.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, SettingsWinTest, ShippedLanguages(), LanguageName);

TEST_P(SettingsWinTest, TheJournalPageShowsBothDictionariesWholeUnderATitleBar)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::JournalName));
    CWnd* content = window->GetDlgItem(CSettingsWin::IdContent);
    // The window is 700 by 500 with its frame; a desktop's title bar takes some 30 pixels of that.
    CRect form;
    content->GetWindowRect(&form);
    form.bottom -= 30;
    for (const char16_t* name : { u"list_typeh", u"list_typef" }) {
        ASSERT_NE(ControlNamed(name), nullptr);
        CRect list;
        ControlNamed(name)->Window().GetWindowRect(&list);
        EXPECT_LE(list.bottom, form.bottom) << ToUtf8(name);
    }
}

TEST_P(SettingsWinTest, EachPageIsHeadedWithItsOwnTitle)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    auto* tree = dynamic_cast<CListBox*>(Window()->GetDlgItem(CSettingsWin::IdTree));
    const std::pair<std::int32_t, const char16_t*> pages[] = { { StringId::MainSettingsTitle, u"static_header" },
        { StringId::JournalName, u"static_header" }, { StringId::PointViewSettingsTitle, u"static_header1" },
        { StringId::FamilyViewSettingsTitle, u"static_header1" }, { StringId::RecordViewSettingsTitle, u"static_header1" },
        { StringId::MiteThresholdsTitle, u"static_header" }, { StringId::FollowUpSettingsTitle, u"static_header" } };
    for (const auto& [title, header] : pages) {
        ClickItem(tree, ItemOf(tree, title));
        ASSERT_NE(ControlNamed(header), nullptr) << title;
        EXPECT_EQ(ControlNamed(header)->Window().GetWindowText(), Text(title));
    }
}

TEST_P(SettingsWinTest, AMiteThresholdTypedForAMonthIsStoredAndReadInPlaceOfItsDefault)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::MiteThresholdsTitle));
    IControl* augustWash = ControlNamed(MiteThresholdName(MiteMethod::AlcoholWash, 8));
    ASSERT_NE(augustWash, nullptr);
    EXPECT_EQ(augustWash->GetValue(), u"3");
    EXPECT_EQ(ControlNamed(MiteThresholdName(MiteMethod::StickyBoard, 1))->GetValue(), u"30");
    EXPECT_EQ(ControlNamed(MiteThresholdName(MiteMethod::DroneBrood, 12))->GetValue(), u"25");
    EXPECT_EQ(ControlNamed(u"static_method_3_1")->Window().GetWindowText(), MiteMethodWord(MiteMethod::SugarRoll));

    // Every field and label lies whole inside the form.
    CWnd* content = window->GetDlgItem(CSettingsWin::IdContent);
    CRect form;
    content->GetWindowRect(&form);
    for (int method = 1; method <= kMiteMethods; ++method) {
        for (int month = 1; month <= 12; ++month) {
            CRect field;
            ControlNamed(MiteThresholdName(static_cast<MiteMethod>(method), month))->Window().GetWindowRect(&field);
            EXPECT_TRUE(form.PtInRect(field.TopLeft()) && form.PtInRect({ field.right - 1, field.bottom - 1 }))
                << method << " " << month;
        }
    }

    EventCounter changes(EventMiteThresholdsChanged);
    UiTest::Click(&augustWash->Window(), 5, 10);
    UiTest::KeyPress(&augustWash->Window(), VK_END);
    UiTest::KeyPress(&augustWash->Window(), VK_BACK);
    UiTest::TypeText(&augustWash->Window(), u"2.5");
    EXPECT_EQ(augustWash->GetValue(), u"2.5");
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(store.Values(kMiteThresholdsKey), (std::map<std::string, std::string> { { "threshold_2_8", "2.5" } }));
    const MiteThresholds thresholds = SavedMiteThresholds();
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::AlcoholWash, 8), 2.5);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::AlcoholWash, 9), 3.0);
    EXPECT_DOUBLE_EQ(thresholds.Of(MiteMethod::SugarRoll, 8), 3.0);

    // A field emptied falls back to the default.
    UiTest::Click(&augustWash->Window(), 5, 10);
    UiTest::KeyPress(&augustWash->Window(), VK_END);
    for (int i = 0; i < 3; ++i)
        UiTest::KeyPress(&augustWash->Window(), VK_BACK);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    EXPECT_DOUBLE_EQ(SavedMiteThresholds().Of(MiteMethod::AlcoholWash, 8), 3.0);
}

TEST_P(SettingsWinTest, TheFollowUpsDaysAndWhetherTheyAreOfferedAreStored)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::FollowUpSettingsTitle));
    IControl* split = ControlNamed(kSplitFollowUpValue);
    IControl* offered = ControlNamed(kOfferFollowUpsValue);
    ASSERT_NE(split, nullptr);
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(split->GetValue(), u"21");
    EXPECT_EQ(ControlNamed(kRequeenFollowUpValue)->GetValue(), u"7");
    EXPECT_EQ(ControlNamed(kMiteCountFollowUpValue)->GetValue(), u"0");
    EXPECT_EQ(offered->GetValue(), u"checked");
    CRect form;
    window->GetDlgItem(CSettingsWin::IdContent)->GetWindowRect(&form);
    for (const char16_t* name : { kSplitFollowUpValue, kRequeenFollowUpValue, kMiteCountFollowUpValue, u"static_days_split" }) {
        CRect field;
        ControlNamed(name)->Window().GetWindowRect(&field);
        EXPECT_TRUE(form.PtInRect(field.TopLeft()) && form.PtInRect({ field.right - 1, field.bottom - 1 })) << ToUtf8(name);
    }

    UiTest::Click(&split->Window(), 5, 10);
    UiTest::KeyPress(&split->Window(), VK_END);
    UiTest::KeyPress(&split->Window(), VK_BACK);
    UiTest::KeyPress(&split->Window(), VK_BACK);
    UiTest::TypeText(&split->Window(), u"24");
    UiTest::Click(&offered->Window(), 5, 10);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    const FollowUpDays days = SavedFollowUpDays();
    EXPECT_EQ(days.split, 24);
    EXPECT_EQ(days.requeen, 7);
    EXPECT_FALSE(days.offered);
}

TEST_P(SettingsWinTest, AnotherLanguageAppliesAtOnceToTheSettingsWindowAndTheLauncher)
{
    GetVisualManager()->FindComponent(StringId::MainSettingsTitle)->Show();
    CWnd* window = Window();
    auto* tree = dynamic_cast<CListBox*>(window->GetDlgItem(CSettingsWin::IdTree));
    ClickItem(tree, ItemOf(tree, StringId::MainSettingsTitle));
    const std::u16string shown = GetLanguageManager()->GetCurrentLanguage();
    ASSERT_EQ(ControlNamed(u"combo_lang")->GetValue(), shown);
    const std::u16string chosen = ChooseOtherLanguage(shown);
    ASSERT_FALSE(chosen.empty());
    const auto in = [](std::int32_t id, const std::u16string& language) {
        return GetLanguageManager()->GetString(id, language);
    };

    // With the journal window closed nothing keeps the old texts, and nothing needs saying.
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(ReadRegistryString(u"combo_lang", kMainSettingsKey), chosen);
    EXPECT_EQ(window->GetWindowText(), in(StringId::SettingsName, chosen));
    EXPECT_EQ(window->GetDlgItem(CSettingsWin::IdApply)->GetWindowText(), in(StringId::ButtonApply, chosen));
    EXPECT_EQ(window->GetDlgItem(CSettingsWin::IdClose)->GetWindowText(), in(StringId::ButtonClose, chosen));
    EXPECT_EQ(window->GetDlgItem(CSettingsWin::IdAbout)->GetWindowText(), in(StringId::AboutButton, chosen));
    // The same page stays open, headed, labelled and listed in the new language.
    ASSERT_NE(ControlNamed(u"static_header"), nullptr);
    EXPECT_EQ(ControlNamed(u"static_header")->Window().GetWindowText(), in(StringId::MainSettingsTitle, chosen));
    EXPECT_EQ(ControlNamed(u"static_lang")->Window().GetWindowText(), in(StringId::LanguageLabel, chosen));
    EXPECT_EQ(ControlNamed(u"combo_lang")->GetValue(), chosen);
    std::u16string selected;
    tree->GetText(tree->GetCurSel(), selected);
    EXPECT_EQ(selected, in(StringId::MainSettingsTitle, chosen));
    EXPECT_GE(tree->FindStringExact(-1, in(StringId::RecordViewSettingsTitle, chosen)), 0);
    ClickItem(tree, tree->FindStringExact(-1, in(StringId::FamilyViewSettingsTitle, chosen)));
    ASSERT_NE(ControlNamed(u"static_header1"), nullptr);
    EXPECT_EQ(ControlNamed(u"static_header1")->Window().GetWindowText(), in(StringId::FamilyViewSettingsTitle, chosen));
    // The launcher's caption and its buttons, as drawn.
    EXPECT_EQ(application->m_pMainWnd->GetWindowText(), in(StringId::MainWindowCaption, chosen));
    auto* journalButton = dynamic_cast<CPictureButton*>(GetVisualManager()->FindComponent(StringId::JournalName)->GetButton());
    ASSERT_NE(journalButton, nullptr);
    UiTest::Grab(journalButton);
    EXPECT_EQ(ReplaceAll(journalButton->GetWrappedCaption(), u"\n", u" "), in(StringId::JournalName, chosen));

    // An open journal window keeps its texts until it opens again, and Apply says so in the
    // language chosen.
    IVisualComponent* journal = GetVisualManager()->FindComponent(StringId::JournalName);
    journal->Show();
    auto* journalWindow = dynamic_cast<CWnd*>(journal->GetWindow());
    ASSERT_TRUE(journalWindow->IsCreated());
    ClickItem(tree, tree->FindStringExact(-1, in(StringId::MainSettingsTitle, chosen)));
    ASSERT_EQ(ChooseOtherLanguage(chosen), shown);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, in(StringId::LanguageAtNextOpening, shown));
    EXPECT_EQ(window->GetWindowText(), in(StringId::SettingsName, shown));
    EXPECT_EQ(journalWindow->GetWindowText(), in(StringId::JournalName, chosen));
    journalWindow->SendMessage(WM_CLOSE);
    journal->Show();
    ASSERT_TRUE(journalWindow->IsCreated());
    EXPECT_EQ(journalWindow->GetWindowText(), in(StringId::JournalName, shown));

    // Another apply that leaves the language says nothing more.
    ClickItem(tree, ItemOf(tree, StringId::PointViewSettingsTitle));
    UiTest::Click(&ControlNamed(u"check_note")->Window(), 5, 10);
    UiTest::Click(window->GetDlgItem(CSettingsWin::IdApply), 10, 10);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}
