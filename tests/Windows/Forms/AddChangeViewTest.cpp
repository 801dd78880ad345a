#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangePointView.h"
#include "Calendar.h"
#include "DateDraw.h"
#include "EditItem.h"
#include "FormFixture.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "JournalHandlers.h"
#include "JournalStores.h"
#include "PointFamilyCache.h"
#include "ScrollBar.h"
#include "StringIds.h"
#include "TimeZone.h"

#include <deque>
#include <iterator>
#include <map>

namespace {
// The add-hive dialog as the user answers it: scripted choices, nothing once they run out.
struct ScriptedPicker
{
    HousingPicker Picker()
    {
        return [this](CWnd*, std::int32_t idFamily) -> std::optional<PickedHousing> {
            ++calls;
            colonies.push_back(idFamily);
            if (answers.empty())
                return std::nullopt;
            PickedHousing picked = answers.front();
            answers.pop_front();
            return picked;
        };
    }
    std::deque<PickedHousing> answers;
    int calls = 0;
    // The colony each call asked a hive for.
    std::vector<std::int32_t> colonies;
};

InspectHousing Line(std::int32_t idHousing, const std::u16string& name, std::int32_t honey, std::int32_t brood)
{
    InspectHousing line;
    line.id_housing = idHousing;
    line.name_housing = name;
    line.honey = honey;
    line.brood = brood;
    return line;
}

void AddUserField(OwnerKind owner, const std::u16string& name)
{
    GetJournalHandlers()->userFields.Change(owner, {}, { { name, 1 } });
}

class AddChangeViewTest : public FormFixture
{
protected:
    std::int32_t AddSite(const std::u16string& name)
    {
        PointData point;
        point.name = name;
        return journal.AddPoint(point);
    }

    std::int32_t AddColony(std::int32_t site, const std::u16string& name, std::int32_t type = 0,
        const std::u16string& note = u"")
    {
        FamilyData family;
        family.id_point = site;
        family.name = name;
        family.type = type;
        family.note = note;
        return journal.AddFamily(family);
    }

    std::int32_t AddHive(std::int32_t colony, const std::u16string& name)
    {
        CHousingCache::Housing hive;
        hive.name = name;
        hive.id_family = colony;
        return journal.AddHousing(hive);
    }

    std::u16string Cell(const std::u16string& sql) { return Rows(sql).at(0).at(0).second; }

    ScriptedPicker picker;
};
}

TEST_P(AddChangeViewTest, NewSiteIsStoredWithItsTypedNameNoteAndUserFieldThenTheListReturns)
{
    AddUserField(OwnerKind::Site, u"Owner");
    CAddPointView page(&state, journal);
    state.recordId = 5;
    Open(page, 5);
    EXPECT_EQ(state.page, PageAddSite);
    EXPECT_EQ(state.recordId, 0);
    EXPECT_TRUE(page.Accepts(1, 2, ActionAddSite));
    EXPECT_FALSE(page.Accepts(0, 0, ActionChangeSite));
    EXPECT_EQ(page.GetDlgItem(IdSaveButton)->GetWindowText(), Text(StringId::ButtonSave));
    EXPECT_EQ(page.GetDlgItem(IdCancelButton)->GetWindowText(), Text(StringId::ButtonCancel));
    EXPECT_EQ(page.Editor().GetCaption(1), Text(StringId::AddPoint));
    EXPECT_EQ(page.Editor().GetCaption(4), Text(StringId::AdditionalHeader));
    EXPECT_EQ(page.Editor().GetCaption(5), u"Owner");

    Type(page, 2, u"Linden");
    Type(page, 3, u"by the river");
    Type(page, 5, u"Ann");
    // The caption cell of the name row is golden and the panel is framed in black.
    const UiTest::Image image = UiTest::Grab(&page);
    EXPECT_EQ(image.At(5, Row(page, 2)->GetTop() + 3), RGB(221, 165, 54));
    EXPECT_EQ(image.At(300, image.height - 50), RGB(0, 0, 0));
    EXPECT_EQ(image.At(300, image.height - 1), RGB(0, 0, 0));

    PressButton(page, IdSaveButton);
    const RowList sites = Rows(u"SELECT name, note, id_record FROM points");
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0][0].second, u"Linden");
    EXPECT_EQ(sites[0][1].second, u"by the river");
    EXPECT_EQ(Cell(u"SELECT value FROM field_values WHERE name = 'Owner' AND id_record = " + sites[0][2].second), u"Ann");
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(AddChangeViewTest, CancelStoresNothingAndAsksForTheList)
{
    CAddPointView page(&state, journal);
    Open(page, 0);
    Type(page, 2, u"Orchard");
    PressButton(page, IdCancelButton);
    EXPECT_TRUE(Rows(u"SELECT * FROM points").empty());
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(AddChangeViewTest, NewColonyIsStoredAtItsSiteAndOpensItsFirstInspection)
{
    const std::int32_t site = AddSite(u"Meadow");
    CAddFamilyView page(&state, journal);
    Open(page, site);
    EXPECT_EQ(state.page, PageAddColony);
    EXPECT_EQ(state.recordId, site);
    Type(page, 2, u"North");
    // The type list takes the arrow keys: two entries down from the first.
    CEditorItem* type = Row(page, 3);
    UiTest::Click(&page, type->Width() * 3 / 4, type->GetTop() + 4);
    UiTest::KeyPress(&page, VK_DOWN);
    UiTest::KeyPress(&page, VK_DOWN);
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Editor().GetValue(3), u"2");

    PressButton(page, IdSaveButton);
    const RowList colonies = Rows(u"SELECT id_family, name, id_point, type FROM families");
    ASSERT_EQ(colonies.size(), 1u);
    EXPECT_EQ(colonies[0][1].second, u"North");
    EXPECT_EQ(WToI(colonies[0][2].second), site);
    EXPECT_EQ(colonies[0][3].second, u"2");
    const std::int32_t colony = WToI(colonies[0][0].second);
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionAddInspection, colony } }));
}

TEST_P(AddChangeViewTest, KeysTypedRightAfterAClickGoToTheClickedRow)
{
    const std::int32_t site = AddSite(u"Meadow");
    CAddFamilyView page(&state, journal);
    Open(page, site);
    CEditorItem* name = Row(page, 2);
    CEditorItem* type = Row(page, 3);
    CEditorItem* note = Row(page, 4);
    // Clicks and keys back to back, with no pause for the window to catch up in between.
    UiTest::Click(&page, name->Width() * 3 / 4, name->GetTop() + 4);
    UiTest::TypeText(&page, u"North");
    UiTest::Click(&page, type->Width() * 3 / 4, type->GetTop() + 4);
    UiTest::Click(&page, note->Width() * 3 / 4, note->GetTop() + 4);
    UiTest::TypeText(&page, u"calm");
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Editor().GetValue(2), u"North");
    EXPECT_EQ(page.Editor().GetValue(4), u"calm");
}

TEST_P(AddChangeViewTest, InspectionOfAColonyWithoutHivesSavesOnlyOnceAHiveLineIsAdded)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony);
    EXPECT_EQ(state.page, PageAddInspection);
    CWnd* save = page.GetDlgItem(IdSaveButton);
    EXPECT_FALSE(save->IsWindowEnabled());
    PressButton(page, IdSaveButton);
    EXPECT_TRUE(Rows(u"SELECT * FROM journal").empty());

    // A cancelled dialog adds nothing.
    PressSection(page, Row(page, 12));
    EXPECT_EQ(picker.calls, 1);
    EXPECT_FALSE(save->IsWindowEnabled());

    picker.answers.push_back({ 0, u"Spare box" });
    PressSection(page, Row(page, 12));
    ASSERT_EQ(page.Hives().size(), 1u);
    EXPECT_EQ(page.Hives()[0].status, CAddChangeInspectView::HiveAdded);
    EXPECT_EQ(page.Editor().GetCaption(0), u"Spare box");
    EXPECT_EQ(picker.colonies, (std::vector<std::int32_t> { colony, colony }));
    EXPECT_TRUE(save->IsWindowEnabled());
    Type(page, 3, u"8");
    Type(page, LastRow(page, 1), u"4");

    PressButton(page, IdSaveButton);
    EXPECT_EQ(Cell(u"SELECT frame FROM journal"), u"8");
    const RowList hives = Rows(u"SELECT id_housing, name_housing, honey FROM inspect");
    ASSERT_EQ(hives.size(), 1u);
    EXPECT_EQ(hives[0][1].second, u"Spare box");
    EXPECT_EQ(hives[0][2].second, u"4");
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(AddChangeViewTest, RecordWithTwoHiveLinesIsOneJournalRowAndTwoInspectRows)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    const std::int32_t first = AddHive(colony, u"Blue");
    const std::int32_t second = AddHive(colony, u"Green");
    AddUserField(OwnerKind::Record, u"Weather");
    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony);
    ASSERT_EQ(page.Hives().size(), 2u);
    EXPECT_EQ(page.Hives()[1].status, CAddChangeInspectView::HiveExisting);
    EXPECT_EQ(page.Editor().GetCaption(256), u"Green");
    EXPECT_TRUE(page.GetDlgItem(IdSaveButton)->IsWindowEnabled());

    Type(page, 4, u"6");
    Type(page, 256 + 1, u"3");
    Type(page, 256 + 2, u"5");
    Type(page, 14, u"sunny");
    PressButton(page, IdSaveButton);

    const RowList records = Rows(u"SELECT id_journal, strength, id_record, id_family FROM journal");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][1].second, u"6");
    EXPECT_EQ(WToI(records[0][3].second), colony);
    const RowList hives = Rows(u"SELECT id_housing, honey, brood FROM inspect WHERE id_journal = " + records[0][0].second
        + u" ORDER BY id_housing");
    ASSERT_EQ(hives.size(), 2u);
    EXPECT_EQ(WToI(hives[0][0].second), first);
    EXPECT_EQ(hives[0][1].second, u"0");
    EXPECT_EQ(WToI(hives[1][0].second), second);
    EXPECT_EQ(hives[1][1].second, u"3");
    EXPECT_EQ(hives[1][2].second, u"5");
    EXPECT_EQ(Cell(u"SELECT value FROM field_values WHERE id_record = " + records[0][2].second), u"sunny");
}

TEST_P(AddChangeViewTest, ChangeFormReopenedShowsTheStoredValuesNotTheUnsavedEdits)
{
    const std::int32_t site = AddSite(u"Meadow");
    const std::int32_t colony = AddColony(site, u"North", 4, u"calm");
    CChangeFamilyView page(&state, journal);
    Open(page, colony);
    EXPECT_EQ(state.page, PageChangeColony);
    EXPECT_EQ(page.Editor().GetCaption(1), Text(StringId::ChangeFamily));
    EXPECT_EQ(page.Editor().GetValue(2), u"North");
    EXPECT_EQ(page.Editor().GetValue(3), u"4");
    Type(page, 2, u"ern");
    EXPECT_EQ(page.Editor().GetValue(2), u"Northern");

    page.Destroy();
    page.Prepare();
    page.Create(&host);
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Editor().GetValue(2), u"North");
    EXPECT_EQ(page.Values().at(4), u"calm");

    Type(page, 4, u" bees");
    PressButton(page, IdSaveButton);
    EXPECT_EQ(Cell(u"SELECT note FROM families"), u"calm bees");
    EXPECT_EQ(Cell(u"SELECT type FROM families"), u"4");
    EXPECT_EQ(GetPointFamilyCache()->FindFamily(colony)->note, u"calm bees");
}

TEST_P(AddChangeViewTest, ChangedSiteKeepsItsUserFieldGroup)
{
    AddUserField(OwnerKind::Site, u"Owner");
    PointData point;
    point.name = u"Meadow";
    point.values = { { u"Owner", u"Ann" } };
    const std::int32_t site = journal.AddPoint(point);
    CChangePointView page(&state, journal);
    Open(page, site);
    EXPECT_EQ(state.page, PageChangeSite);
    EXPECT_EQ(state.recordId, site);
    EXPECT_EQ(page.Editor().GetValue(5), u"Ann");
    Type(page, 5, u"a");
    PressButton(page, IdSaveButton);
    EXPECT_EQ(Cell(u"SELECT value FROM field_values WHERE id_record = " + IntToText(point.id_record)), u"Anna");
    EXPECT_EQ(Rows(u"SELECT * FROM field_values").size(), 1u);
    EXPECT_EQ(Cell(u"SELECT name FROM points"), u"Meadow");
}

TEST_P(AddChangeViewTest, HiddenFieldsFollowTheSettingsAndKeepTheirValues)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North", 3, u"calm");
    CChangeFamilyView page(&state, journal);
    Open(page, colony);
    EXPECT_FALSE(Row(page, 3)->IsHidden());
    Type(page, 2, u"ern");

    // The settings change rebuilds the form, keeping the typed name.
    SetViewSetting(StringId::FamilyViewSettingsTitle, u"check_type", u"unchecked");
    SetViewSetting(StringId::FamilyViewSettingsTitle, u"check_note", u"unchecked");
    UiTest::ProcessEvents();
    EXPECT_TRUE(Row(page, 3)->IsHidden());
    EXPECT_EQ(Row(page, 3)->GetHeight(), 0);
    EXPECT_TRUE(Row(page, 4)->IsHidden());
    EXPECT_EQ(page.Editor().GetValue(2), u"Northern");

    PressButton(page, IdSaveButton);
    const RowList colonies = Rows(u"SELECT name, type, note FROM families");
    EXPECT_EQ(colonies[0][0].second, u"Northern");
    EXPECT_EQ(colonies[0][1].second, u"3");
    EXPECT_EQ(colonies[0][2].second, u"calm");
}

TEST_P(AddChangeViewTest, RecordFormHidesOptionalFieldsAndHiveRowsPerSettings)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    AddHive(colony, u"Blue");
    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony);
    // Defaults: wax, extracted honey, feeding, disease and note shown; ambrosia and the brood counts not.
    for (int key : { 6, 8, 9, 10, 11 })
        EXPECT_FALSE(Row(page, key)->IsHidden()) << key;
    EXPECT_TRUE(Row(page, 7)->IsHidden());
    for (int key : { 1, 2 })
        EXPECT_FALSE(LastRow(page, key)->IsHidden()) << key;
    for (int key : { 3, 4, 5 })
        EXPECT_TRUE(LastRow(page, key)->IsHidden()) << key;
    // Line 0's brood row has key 2, as the record's date: each keeps its own value.
    const std::u16string today = Row(page, 2)->GetValue();
    Type(page, LastRow(page, 2), u"7");
    SetViewSetting(StringId::RecordViewSettingsTitle, u"check_open_brood", u"checked");
    UiTest::ProcessEvents();
    EXPECT_FALSE(LastRow(page, 3)->IsHidden());
    EXPECT_EQ(page.Hives()[0].hive.brood, 7);
    EXPECT_EQ(Row(page, 2)->GetValue(), today);
    PressButton(page, IdSaveButton);
    EXPECT_EQ(Cell(u"SELECT brood FROM inspect"), u"7");
    EXPECT_EQ(FormatDateText(GetJournalCache()->Records().begin()->second.date), today);
}

TEST_P(AddChangeViewTest, ANewRecordStartsFromTheColonysLatestOneUnlessTheSettingIsOff)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    const std::int32_t blue = AddHive(colony, u"Blue");
    const std::int32_t green = AddHive(colony, u"Green");
    auto record = [&](const std::u16string& day, std::int32_t frames, std::int32_t honey) {
        InspectData inspect;
        inspect.record.id_family = colony;
        inspect.record.date = ParseDateText(day);
        inspect.record.frame = frames;
        inspect.record.strength = frames + 1;
        inspect.record.is_queen_bee = 2;
        inspect.record.evacuation = 15;
        inspect.record.note = u"honey taken";
        inspect.record.hives = { Line(blue, u"Blue", honey, 3), Line(green, u"Green", honey + 1, 4) };
        ASSERT_GT(journal.AddInspect(inspect), 0);
    };
    // Entered out of order: the latest date counts, not the latest entry.
    record(u"12.06.2025", 10, 5);
    record(u"02.05.2025", 6, 1);
    // A hive that joined since the last visit gets an empty line.
    const std::int32_t spare = AddHive(colony, u"Spare");

    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony);
    const std::u16string today = Row(page, 2)->GetValue();
    EXPECT_EQ(ParseDateText(today), ParseDateText(FormatDateText(CurrentTime())));
    EXPECT_EQ(Row(page, 3)->GetValue(), u"10");
    EXPECT_EQ(Row(page, 4)->GetValue(), u"11");
    EXPECT_EQ(Row(page, 5)->GetValue(), u"2");
    // What was done on that visit is not done again.
    EXPECT_EQ(Row(page, 8)->GetValue(), u"0");
    EXPECT_EQ(Row(page, 11)->GetValue(), u"");
    ASSERT_EQ(page.Hives().size(), 3u);
    EXPECT_EQ(page.Editor().GetCaption(512), u"Spare");
    EXPECT_EQ(LastRow(page, 256 + 1)->GetValue(), u"6");
    EXPECT_EQ(LastRow(page, 256 + 2)->GetValue(), u"4");
    EXPECT_EQ(LastRow(page, 512 + 1)->GetValue(), u"0");

    // Only what changed is typed: Blue's honey.
    Type(page, LastRow(page, 1), u"0");
    PressButton(page, IdSaveButton);
    const RowList saved = Rows(u"SELECT id_journal, frame, strength, evacuation, date FROM journal ORDER BY id_journal DESC");
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0][1].second, u"10");
    EXPECT_EQ(saved[0][2].second, u"11");
    EXPECT_EQ(saved[0][3].second, u"0");
    EXPECT_EQ(FormatDateText(GetJournalCache()->FindRecord(WToI(saved[0][0].second))->date), today);
    const RowList hives = Rows(u"SELECT id_housing, honey, brood FROM inspect WHERE id_journal = " + saved[0][0].second
        + u" ORDER BY id_housing");
    ASSERT_EQ(hives.size(), 3u);
    EXPECT_EQ(hives[0][1].second, u"50");
    EXPECT_EQ(hives[1][1].second, u"6");
    EXPECT_EQ(hives[1][2].second, u"4");
    EXPECT_EQ(WToI(hives[2][0].second), spare);
    EXPECT_EQ(hives[2][1].second, u"0");

    // Switched off on the journal settings page, a new record starts empty.
    SetViewSetting(StringId::JournalName, u"check_from_last", u"unchecked");
    CAddInspectView empty(&state, journal, picker.Picker());
    page.Destroy();
    Open(empty, colony);
    EXPECT_EQ(Row(empty, 3)->GetValue(), u"0");
    ASSERT_EQ(empty.Hives().size(), 3u);
    EXPECT_EQ(LastRow(empty, 1)->GetValue(), u"0");
}

TEST_P(AddChangeViewTest, ARecordsDateIsTypedWithItsSeparatorsAndAnImpossibleOneIsRefusedInRed)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    AddHive(colony, u"Blue");
    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony);
    // The caret waits in the first field, the date.
    ASSERT_EQ(page.Editor().FocusedItem(), Row(page, 2));
    auto* date = dynamic_cast<CDateDraw*>(static_cast<CEditItem*>(Row(page, 2))->Control());
    ASSERT_NE(date, nullptr);
    UiTest::TypeText(&page, u"0704");
    EXPECT_EQ(date->TypedText(), u"07.04.____");
    UiTest::TypeText(&page, u"2025");
    EXPECT_EQ(date->TypedText(), u"");
    EXPECT_EQ(Row(page, 2)->GetValue(), u"07.04.2025");

    UiTest::TypeText(&page, u"31022025");
    EXPECT_TRUE(date->IsRefused());
    EXPECT_EQ(date->TypedText(), u"31.02.2025");
    EXPECT_EQ(Row(page, 2)->GetValue(), u"07.04.2025");
    UiTest::ProcessEvents();
    const UiTest::Image shot = UiTest::Grab(&page);
    bool red = false;
    for (int y = Row(page, 2)->GetTop(); y < Row(page, 2)->GetTop() + 25; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const COLORREF pixel = shot.At(x, y);
            red = red || ((pixel & 0xFF) > 150 && ((pixel >> 8) & 0xFF) < 60 && ((pixel >> 16) & 0xFF) < 60);
        }
    }
    EXPECT_TRUE(red);
    // Back Space takes the last digit back; a possible date is then taken.
    for (int digit = 0; digit < 6; ++digit)
        UiTest::KeyPress(&page, VK_BACK);
    UiTest::TypeText(&page, u"032024");
    EXPECT_FALSE(date->IsRefused());
    EXPECT_EQ(Row(page, 2)->GetValue(), u"31.03.2024");
    PressButton(page, IdSaveButton);
    EXPECT_EQ(FormatDateText(GetJournalCache()->Records().begin()->second.date), u"31.03.2024");
}

TEST_P(AddChangeViewTest, ARecordsDateSavedFromTheFormIsTheSameAfterARestartInSummerAndInWinter)
{
    const TimeZone berlin("Europe/Berlin");
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    AddHive(colony, u"Blue");
    std::map<std::int32_t, std::int64_t> saved;
    for (const std::u16string typed : { u"15072025", u"15012025" }) {
        CAddInspectView page(&state, journal, picker.Picker());
        Open(page, colony);
        UiTest::TypeText(&page, typed);
        ASSERT_EQ(Row(page, 2)->GetValue(), typed.substr(0, 2) + u"." + typed.substr(2, 2) + u"." + typed.substr(4));
        PressButton(page, IdSaveButton);
        page.Destroy();
    }
    for (const auto& [id, record] : GetJournalCache()->Records())
        saved[id] = record.date;
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved.begin()->second, LocalMidnight(2025, 7, 15));
    EXPECT_EQ(std::next(saved.begin())->second, LocalMidnight(2025, 1, 15));

    // The next start reads the stores from the file.
    LoadJournalStores(CDatabaseLease().get());
    for (const auto& [id, date] : saved) {
        const CJournalCache::Record* record = GetJournalCache()->FindRecord(id);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->date, date) << ToUtf8(FormatDateText(date));
    }
    CChangeInspectView change(&state, journal, picker.Picker());
    Open(change, saved.begin()->first);
    EXPECT_EQ(Row(change, 2)->GetValue(), u"15.07.2025");
}

TEST_P(AddChangeViewTest, RemovedHiveLineIsLeftOutOfTheStoredRecord)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    AddHive(colony, u"Blue");
    const std::int32_t green = AddHive(colony, u"Green");
    InspectData inspect;
    inspect.record.id_family = colony;
    inspect.record.frame = 9;
    inspect.record.hives = { { GetHousingCache()->HousingsOf(colony)[0], u"Blue", 1, 2 }, { green, u"Green", 3, 4 } };
    const std::int32_t record = journal.AddInspect(inspect);
    CChangeInspectView page(&state, journal, picker.Picker());
    Open(page, record);
    EXPECT_EQ(state.page, PageChangeInspection);
    EXPECT_EQ(Row(page, 3)->GetValue(), u"9");
    ASSERT_EQ(page.Hives().size(), 2u);

    // Cancel in the question keeps the line.
    boxes.Answer(IDCANCEL);
    PressSection(page, Row(page, 0));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::RemoveHousingQuestion));
    EXPECT_EQ(page.Hives()[0].status, CAddChangeInspectView::HiveExisting);

    boxes.Answer(IDOK);
    PressSection(page, Row(page, 0));
    EXPECT_EQ(page.Hives()[0].status, CAddChangeInspectView::HiveRemoved);
    EXPECT_EQ(Row(page, 0), nullptr);
    PressButton(page, IdSaveButton);
    const RowList hives = Rows(u"SELECT id_housing, name_housing FROM inspect");
    ASSERT_EQ(hives.size(), 1u);
    EXPECT_EQ(WToI(hives[0][0].second), green);
    EXPECT_EQ(GetJournalCache()->FindRecord(record)->hives.size(), 1u);
    EXPECT_EQ(Cell(u"SELECT frame FROM journal"), u"9");
}

TEST_P(AddChangeViewTest, RemovingAHiveLineAndCancellingLeavesTheRecord)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    InspectData inspect;
    inspect.record.id_family = colony;
    inspect.record.hives = { { 0, u"Blue", 1, 2 } };
    const std::int32_t record = journal.AddInspect(inspect);
    CChangeInspectView page(&state, journal, picker.Picker());
    Open(page, record);
    boxes.Answer(IDOK);
    PressSection(page, Row(page, 0));
    EXPECT_FALSE(page.GetDlgItem(IdSaveButton)->IsWindowEnabled());
    PressButton(page, IdCancelButton);
    EXPECT_EQ(Rows(u"SELECT * FROM inspect").size(), 1u);
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(AddChangeViewTest, FailedSaveKeepsTheFormAndWhatWasTyped)
{
    const std::int32_t site = AddSite(u"Meadow");
    CAddFamilyView page(&state, journal);
    Open(page, site);
    Type(page, 2, u"North");
    Type(page, 4, u"calm");
    Rows(u"DROP TABLE families");
    PressButton(page, IdSaveButton);
    EXPECT_FALSE(boxes.Calls().empty());
    EXPECT_TRUE(host.actions.empty());
    EXPECT_TRUE(page.CWnd::IsCreated());
    EXPECT_EQ(page.Editor().GetValue(2), u"North");
    EXPECT_EQ(page.Editor().GetValue(4), u"calm");
    EXPECT_TRUE(GetPointFamilyCache()->FamiliesOf(site).empty());
}

TEST_P(AddChangeViewTest, TallFormScrollsByLinesWheelPagesAndThumb)
{
    const std::int32_t colony = AddColony(AddSite(u"Meadow"), u"North");
    for (const char16_t* name : { u"A", u"B", u"C", u"D", u"E", u"F" })
        AddHive(colony, name);
    CAddInspectView page(&state, journal, picker.Picker());
    Open(page, colony, 500);
    auto* bar = static_cast<CScrollBar*>(page.GetDlgItem(IdFormScrollBar));
    ASSERT_TRUE(bar->IsWindowVisible());
    RECT client {};
    page.GetClientRect(&client);
    RECT barRect {};
    bar->GetWindowRect(&barRect);
    page.ScreenToClient(&barRect);
    EXPECT_EQ(barRect.left, client.right - 17);
    EXPECT_EQ(barRect.bottom - barRect.top, client.bottom - 50);
    // The rows leave room for the bar.
    EXPECT_EQ(Row(page, 2)->Width(), client.right - 17);

    page.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(bar->GetScrollPos(), 10);
    UiTest::Wheel(&page, 300, 100, -120);
    UiTest::ProcessEvents();
    EXPECT_EQ(bar->GetScrollPos(), 40);
    page.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(bar->GetScrollPos(), 40 + client.bottom - 50);
    page.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 25), 0);
    EXPECT_EQ(bar->GetScrollPos(), 25);
    page.SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    UiTest::Wheel(&page, 300, 100, 120);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    UiTest::ProcessEvents();
    const int titleHeight = page.Editor().Items().front()->GetHeight();
    EXPECT_EQ(Row(page, 2)->GetTop(), titleHeight);

    page.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(Row(page, 2)->GetTop(), titleHeight - (client.bottom - 50));
}

TEST_P(AddChangeViewTest, TabMovesThroughTheRowsSelectingTheTextAndTheCellEditorKeysMoveAndSelect)
{
    CAddPointView page(&state, journal);
    Open(page, 0);
    UiTest::Click(&page, 10, 5);
    UiTest::KeyPress(&page, VK_TAB);
    UiTest::TypeText(&page, u"Oak");
    UiTest::KeyPress(&page, VK_TAB);
    UiTest::TypeText(&page, u"shade");
    // A field entered by Tab holds its text selected: typing replaces it.
    UiTest::KeyPress(&page, VK_TAB, MK_CONTROL);
    UiTest::TypeText(&page, u"Elm");
    UiTest::KeyPress(&page, VK_BACK);
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Editor().GetValue(2), u"El");
    EXPECT_EQ(page.Editor().GetValue(3), u"shade");

    // Home and End move the caret, with Shift they select; Ctrl+A selects everything.
    UiTest::KeyPress(&page, VK_HOME);
    UiTest::TypeText(&page, u"Big ");
    EXPECT_EQ(page.Editor().GetValue(2), u"Big El");
    UiTest::KeyPress(&page, VK_END);
    UiTest::KeyPress(&page, VK_HOME, MK_SHIFT);
    UiTest::TypeText(&page, u"Ash");
    EXPECT_EQ(page.Editor().GetValue(2), u"Ash");
    UiTest::KeyPress(&page, VK_HOME);
    UiTest::KeyPress(&page, VK_END, MK_SHIFT);
    UiTest::KeyPress(&page, VK_BACK);
    EXPECT_EQ(page.Editor().GetValue(2), u"");
    UiTest::TypeText(&page, u"Fir tree");
    UiTest::KeyPress(&page, 'A', MK_CONTROL);
    UiTest::TypeText(&page, u"Yew");
    EXPECT_EQ(page.Editor().GetValue(2), u"Yew");
}

TEST_P(AddChangeViewTest, ACharacterBeyondTheBasicPlaneIsStoredAsTyped)
{
    CAddPointView page(&state, journal);
    Open(page, 0);
    Type(page, 2, u"Linden");
    Type(page, 3, u"calm \U0001F41Dx");
    UiTest::KeyPress(&page, VK_BACK);
    UiTest::KeyPress(&page, VK_LEFT);
    UiTest::KeyPress(&page, VK_LEFT);
    UiTest::TypeText(&page, u"!");
    PressButton(page, IdSaveButton);
    EXPECT_EQ(Cell(u"SELECT note FROM points"), u"calm! \U0001F41D");
}

INSTANTIATE_TEST_SUITE_P(Languages, AddChangeViewTest, ShippedLanguages(), LanguageName);
