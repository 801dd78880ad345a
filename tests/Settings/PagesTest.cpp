#include "ColumnDialog.h"
#include "ComboBox.h"
#include "DatabaseManager.h"
#include "EventManager.h"
#include "FamilyViewSettings.h"
#include "HousingCache.h"
#include "JournalComponent.h"
#include "JournalSettings.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "ListValue.h"
#include "MainSetting.h"
#include "MessageBox.h"
#include "PointViewSettings.h"
#include "Printers.h"
#include "RecordViewSettings.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "StorageErrorBoxes.h"
#include "StringIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {
class EventCount : public ISubscriber
{
public:
    explicit EventCount(std::int32_t event)
        : m_event(event)
    {
        GetEventManager()->Subscribe(this, event);
    }
    ~EventCount() override { GetEventManager()->Unsubscribe(this, m_event); }
    void OnEvent() override { ++count; }
    int count = 0;

private:
    std::int32_t m_event;
};

std::vector<std::u16string> Column(const char16_t* sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
    std::vector<std::u16string> values;
    for (const RowData& row : rows)
        values.push_back(row[0].second);
    return values;
}

std::vector<std::u16string> Names(const std::u16string& listValue)
{
    std::vector<std::u16string> names;
    for (const ListValue::Item& item : ListValue::Parse(listValue).items)
        names.push_back(item.name);
    return names;
}

class PagesTest : public testing::Test
{
protected:
    PagesTest()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetDatabaseManager()->Initialize();
    }
    ~PagesTest() override { DeleteLanguageManager(); }

    std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    SettingsStore store;
    PrinterListOverride printers { { u"Hall", u"Office" }, u"Office" };
};

TEST_F(PagesTest, MainPageShowsDefaultsAndStoresTheChosenLanguage)
{
    CMainSetting page;
    const std::u16string defaultLanguage = GetLanguageManager()->GetDefaultLanguage();
    ASSERT_FALSE(defaultLanguage.empty());
    EXPECT_EQ(page.GetValue(u"combo_lang"), defaultLanguage);
    EXPECT_EQ(page.GetValue(u"combo_printer"), u"Office");
    EXPECT_EQ(page.GetValue(u"static_lang"), Text(StringId::LanguageLabel));

    page.SetValue(u"combo_lang", u"Русский");
    page.Apply();
    EXPECT_EQ(store.Values(kMainSettingsKey).size(), 1u);
    EXPECT_EQ(CMainSetting().GetValue(u"combo_lang"), u"Русский");
    // The next start speaks the chosen language.
    GetLanguageManager()->Initialize();
    EXPECT_EQ(GetLanguageManager()->GetCurrentLanguage(), u"Русский");

    page.RestoreDefaults();
    page.Apply();
    EXPECT_EQ(ReadRegistryString(u"combo_lang", kMainSettingsKey), defaultLanguage);
    EXPECT_EQ(ReadRegistryString(u"combo_printer", kMainSettingsKey), u"Office");
}

TEST_F(PagesTest, MainPageKeepsTheNumberOfBackupsInItsDigitField)
{
    CMainSetting page;
    EXPECT_EQ(page.GetValue(kBackupsKeptName), u"10");
    bool shown = false;
    for (ControlEntry* entry : page.GetControls()) {
        const std::unique_ptr<ControlEntry> control(entry);
        shown = shown || (control->description.name == kBackupsKeptName && control->description.type == u"edit_number");
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(KeptBackupCount(), 10u);

    page.SetValue(kBackupsKeptName, u"4");
    page.Apply();
    EXPECT_EQ(KeptBackupCount(), 4u);
    // None kept would remove each backup as it is made.
    page.SetValue(kBackupsKeptName, u"0");
    page.Apply();
    EXPECT_EQ(KeptBackupCount(), 1u);
    page.SetValue(kBackupsKeptName, u"99999999999999999999");
    page.Apply();
    EXPECT_EQ(KeptBackupCount(), kMostBackupsKept);
}

TEST_F(PagesTest, JournalPageEditsTheDictionariesOnlyOnApply)
{
    CJournalComponent journal;
    journal.Create();
    journal.AddHousingType(u"Dadant");
    journal.AddHousingType(u"Langstroth");
    const std::size_t before = GetHousingCache()->HousingTypes().size();
    ASSERT_EQ(before, 2u);
    CJournalSettings page(&journal);

    page.SetValue(u"edit_typeh", u"Top|bar, long");
    EXPECT_EQ(page.GetValue(u"add_typeh"), kButtonUp);
    page.SetValue(u"edit_typeh", u"");
    EXPECT_EQ(page.GetValue(u"add_typeh"), kButtonDisable);
    EXPECT_FALSE(page.IsModified());

    for (const char16_t* name : { u"Top|bar, long", u"Warré\\2" }) {
        page.SetValue(u"edit_typeh", name);
        page.SetValue(u"add_typeh", kButtonDown);
        EXPECT_EQ(page.GetValue(u"edit_typeh"), u"");
        EXPECT_EQ(page.GetValue(u"delete_typeh"), kButtonUp);
    }
    ListValue list = ListValue::Parse(page.GetValue(u"list_typeh"));
    // The type with key 0 is kept by the journal; the second one can go.
    const std::u16string removed = list.items[1].name;
    list.current = removed;
    page.SetValue(u"list_typeh", list.Format());
    page.SetValue(u"delete_typeh", kButtonDown);
    EXPECT_EQ(page.GetValue(u"delete_typeh"), kButtonDisable);
    EXPECT_TRUE(page.IsModified());

    // Cancelling changes nothing.
    page.Cancel();
    EXPECT_EQ(Column(u"SELECT name FROM type_housing").size(), before);

    for (const char16_t* name : { u"Top|bar, long", u"Warré\\2" }) {
        page.SetValue(u"edit_typeh", name);
        page.SetValue(u"add_typeh", kButtonDown);
    }
    page.SetValue(u"list_typeh", list.Format());
    page.SetValue(u"delete_typeh", kButtonDown);
    page.Apply();
    EXPECT_FALSE(page.IsModified());
    const std::vector<std::u16string> stored = Column(u"SELECT name FROM type_housing");
    EXPECT_EQ(stored.size(), before + 1);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), removed), 0);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), u"Top|bar, long"), 1);
    // Nothing of the dictionaries lands in the settings store.
    EXPECT_TRUE(store.Values(kJournalSettingsKey).empty());

    // A new page lists the names exactly, each under its own key.
    CJournalSettings again(&journal);
    const std::vector<std::u16string> shown = Names(again.GetValue(u"list_typeh"));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), u"Top|bar, long"), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), u"Warré\\2"), 1);
    for (const ListValue::Item& item : ListValue::Parse(again.GetValue(u"list_typeh")).items)
        EXPECT_EQ(GetHousingCache()->HousingTypes().at(item.number - 1), item.name);
}

TEST_F(PagesTest, ColonyPageDefaultsAndFrameRule)
{
    CFamilyViewSettings page;
    for (const char16_t* name : { u"check_type", u"check_note", u"check_bees", u"check_brood", u"check_honey",
             u"check_frame", u"check_housing", u"check_birthday_bee_queen" })
        EXPECT_EQ(page.GetValue(name), kChecked) << ToUtf8(name);
    EXPECT_EQ(page.GetValue(u"check_exist_bee_queen"), kUnchecked);
    EXPECT_EQ(page.GetValue(u"check_wox"), kUnchecked);

    page.SetValue(u"check_frame", kUnchecked);
    EXPECT_EQ(page.GetValue(u"check_bees"), kUnchecked);
    EXPECT_EQ(page.GetValue(u"check_brood"), kUnchecked);
    EXPECT_EQ(page.GetValue(u"check_wox"), kUnchecked);
    page.SetValue(u"check_brood", kChecked);
    EXPECT_EQ(page.GetValue(u"check_frame"), kChecked);
    EXPECT_EQ(page.GetValue(u"check_bees"), kUnchecked);

    EventCount fired(EventFamilyViewSettingsChanged);
    page.Apply();
    EXPECT_EQ(fired.count, 1);
    EXPECT_EQ(store.Values(kFamilyViewSettingsKey).size(), 4u);
}

TEST_F(PagesTest, AddedUserColumnIsStoredAndFiresOnce)
{
    CRecordViewSettings page;
    EventCount fired(EventRecordViewSettingsChanged);
    DialogResponder dialogs;
    dialogs.Then([](CDialog& dialog) {
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        dialog.GetDlgItem(CColumnDialog::IdName)->SetWindowText(u"Mites, per|100");
        EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        dialog.SendMessage(WM_COMMAND, IDOK, 0);
    });
    page.SetValue(u"add_column", kButtonDown);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(page.GetValue(u"add_column"), kButtonUp);
    EXPECT_TRUE(page.IsModified());
    page.Apply();
    EXPECT_EQ(fired.count, 1);
    EXPECT_TRUE(store.Values(kRecordViewSettingsKey).empty());
    EXPECT_EQ(Column(u"SELECT name || '/' || itable || '/' || type FROM user_fields"),
        std::vector<std::u16string> { u"Mites, per|100/3/1" });

    // Pressing buttons and cancelling leaves the page unmodified and stores nothing.
    CRecordViewSettings again;
    EXPECT_EQ(Names(again.GetValue(u"list_column_user")), std::vector<std::u16string> { u"Mites, per|100" });
    ListValue list = ListValue::Parse(again.GetValue(u"list_column_user"));
    list.current = u"Mites, per|100";
    again.SetValue(u"list_column_user", list.Format());
    EXPECT_EQ(again.GetValue(u"delete_column"), kButtonUp);
    again.SetValue(u"add_column", kButtonDown);
    EXPECT_FALSE(again.IsModified());
    again.SetValue(u"delete_column", kButtonDown);
    EXPECT_TRUE(again.IsModified());
    again.Cancel();
    again.Apply();
    EXPECT_EQ(fired.count, 1);
    EXPECT_EQ(Column(u"SELECT name FROM user_fields").size(), 1u);

    again.SetValue(u"list_column_user", list.Format());
    again.SetValue(u"delete_column", kButtonDown);
    again.Apply();
    EXPECT_EQ(fired.count, 2);
    EXPECT_TRUE(Column(u"SELECT name FROM user_fields").empty());
    EXPECT_TRUE(Names(again.GetValue(u"list_column_user")).empty());
}

TEST_F(PagesTest, AUserColumnTheJournalRefusesIsSaidOnceAndTheListKeepsTheStoredColumns)
{
    Column(u"CREATE TRIGGER refuse BEFORE INSERT ON user_fields BEGIN SELECT RAISE(ABORT, 'refused'); END");
    MessageBoxResponder boxes;
    CPointViewSettings page;
    DialogResponder dialogs;
    dialogs.Then([](CDialog& dialog) {
        dialog.GetDlgItem(CColumnDialog::IdName)->SetWindowText(u"Owner");
        dialog.SendMessage(WM_COMMAND, IDOK, 0);
    });
    page.SetValue(u"add_column", kButtonDown);
    EXPECT_EQ(Names(page.GetValue(u"list_column_user")), std::vector<std::u16string> { u"Owner" });
    page.Apply();
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_TRUE(Names(page.GetValue(u"list_column_user")).empty());
    EXPECT_TRUE(Names(CPointViewSettings().GetValue(u"list_column_user")).empty());
    EXPECT_TRUE(Column(u"SELECT name FROM user_fields").empty());
}

TEST_F(PagesTest, AHiveTypeTheJournalRefusesLeavesTheListAsTheJournalHasIt)
{
    CJournalComponent journal;
    journal.Create();
    journal.AddHousingType(u"Dadant");
    journal.AddHousingType(u"Langstroth");
    Column(u"CREATE TRIGGER refuse BEFORE INSERT ON type_housing BEGIN SELECT RAISE(ABORT, 'refused'); END");
    Column(u"CREATE TRIGGER keep BEFORE DELETE ON type_housing BEGIN SELECT RAISE(ABORT, 'kept'); END");
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    CJournalSettings page(&journal);
    page.SetValue(u"edit_typeh", u"Warré");
    page.SetValue(u"add_typeh", kButtonDown);
    ListValue list = ListValue::Parse(page.GetValue(u"list_typeh"));
    list.current = u"Langstroth";
    page.SetValue(u"list_typeh", list.Format());
    page.SetValue(u"delete_typeh", kButtonDown);

    page.Apply();
    EXPECT_FALSE(boxes.Calls().empty());
    EXPECT_EQ(Names(page.GetValue(u"list_typeh")), (std::vector<std::u16string> { u"Dadant", u"Langstroth" }));
    EXPECT_EQ(Column(u"SELECT name FROM type_housing ORDER BY id_type"), (std::vector<std::u16string> { u"Dadant", u"Langstroth" }));
}

TEST_F(PagesTest, ColumnDialogReturnsTheTypeCodeOfTheChosenName)
{
    DialogResponder dialogs;
    dialogs.Then([this](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::ButtonChange));
        auto* types = static_cast<CComboBox*>(dialog.GetDlgItem(CColumnDialog::IdType));
        std::u16string chosen;
        types->GetLBText(types->GetCurSel(), chosen);
        EXPECT_EQ(chosen, Text(StringId::FieldTypeYesNo));
        types->SelectString(-1, Text(StringId::FieldTypeDate));
        dialog.GetDlgItem(CColumnDialog::IdName)->SetWindowText(u"Born");
        dialog.SendMessage(WM_COMMAND, IDOK, 0);
    });
    CColumnDialog dialog(CColumnDialog::Mode::Change, nullptr, u"Queen", 4);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Name(), u"Born");
    EXPECT_EQ(dialog.Type(), 5);
}
}
