#include "TablePageFixture.h"

#include "Calendar.h"
#include "DateTimeCtrl.h"
#include "GdiDefs.h"
#include "JournalHandlers.h"
#include "ListColumn.h"
#include "ScrollBar.h"
#include "ViewFamilies.h"
#include "ViewInspect.h"
#include "ViewPoints.h"

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(200, 200, 200);

std::int64_t Local(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return ToSeconds({ year, month, day, hour, minute, second });
}

const std::initializer_list<const char16_t*> kFamilyChecks { u"check_bees", u"check_brood", u"check_honey",
    u"check_wox", u"check_frame", u"check_housing", u"check_birthday_bee_queen", u"check_exist_bee_queen",
    u"check_type", u"check_note" };
const std::initializer_list<const char16_t*> kRecordChecks { u"check_good_honey", u"check_pump_honey",
    u"check_feeding", u"check_seal_brood", u"check_open_brood", u"check_give_wox", u"check_ambrosia",
    u"check_diseases", u"check_note" };

CJournalCache::HiveRow Hive(const std::u16string& name, std::int32_t brood, std::int32_t honey)
{
    CJournalCache::HiveRow hive;
    hive.name_housing = name;
    hive.brood = brood;
    hive.honey = honey;
    return hive;
}

bool Enabled(CWnd* page, int id)
{
    return page->GetDlgItem(id)->IsWindowEnabled();
}

// Sets the pickers as the user would leave them and presses ">>".
void ApplyRange(CViewInspect* page, std::int64_t from, std::int64_t to)
{
    dynamic_cast<CDateTimeCtrl*>(page->GetDlgItem(CViewInspect::IdFrom))->SetTime(from);
    dynamic_cast<CDateTimeCtrl*>(page->GetDlgItem(CViewInspect::IdTo))->SetTime(to);
    UiTest::Click(page->GetDlgItem(CViewInspect::IdApply), 5, 5);
}
}

TEST_P(TablePageTest, ColoniesWithEveryOptionOffShowNameAndUserColumnsSortedByName)
{
    Start(kFamilyViewSettingsKey, AllChecks(kFamilyChecks, u"unchecked"));
    AddUserField(OwnerKind::Colony, u"Origin");
    AddUserField(OwnerKind::Colony, u"Marker");
    AddUserField(OwnerKind::Site, u"Region");
    const std::int32_t site = AddPoint(u"Linden");
    const std::int32_t other = AddPoint(u"Heath");
    AddFamily(site, u"Zeta", { { u"Origin", u"swarm" } });
    AddFamily(other, u"Beta");
    AddFamily(site, u"alpha");
    AddFamily(site, u"Mike", { { u"Marker", u"blue" } });
    AddInspect(site, Local(2025, 5, 1));

    CViewFamilies* view = Show<CViewFamilies>(site);
    EXPECT_EQ(state.page, PageColonies);
    EXPECT_EQ(state.recordId, site);
    CTableDrawer& grid = view->Grid().Drawer();
    EXPECT_EQ(ColumnIds(grid), (std::vector<int> { ColonyNameColumn, ColonyUserColumns, ColonyUserColumns + 1 }));
    EXPECT_EQ(grid.Headers()[0]->Text(), Text(StringId::FamilyNameField));
    EXPECT_EQ(grid.Headers()[1]->Text(), u"Origin");
    EXPECT_EQ(grid.Headers()[2]->Text(), u"Marker");
    EXPECT_EQ(Column(grid, ColonyNameColumn), (std::vector<std::u16string> { u"alpha", u"Mike", u"Zeta" }));
    EXPECT_EQ(Column(grid, ColonyUserColumns), (std::vector<std::u16string> { u"", u"", u"swarm" }));
    EXPECT_EQ(Column(grid, ColonyUserColumns + 1), (std::vector<std::u16string> { u"", u"blue", u"" }));
    EXPECT_EQ(grid.Rows()[0]->type, 2);

    // The grid over a panel with a black top line and the face colour around the buttons.
    CRect client;
    view->GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 1000 - 200, 700 - 64));
    UiTest::Image image = UiTest::Grab(view);
    const int bar = grid.BarHeight();
    EXPECT_EQ(image.At(3, client.bottom - 50), kBlack);
    EXPECT_EQ(image.At(500, client.bottom - 1), kBlack);
    EXPECT_EQ(image.At(client.right - 1, client.bottom - 25), kBlack);
    EXPECT_EQ(image.At(5, client.bottom - 25), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(image.At(500, client.bottom - 25), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(image.At(3, bar + 42 + 30), kWhite);
    ClickRow(view, view->Grid(), 1);
    image = UiTest::Grab(view);
    EXPECT_EQ(image.At(3, bar + 42 + 30), kGrey);
    EXPECT_EQ(image.At(3, bar + 30), kWhite);
}

TEST_P(TablePageTest, ColoniesShowTheLatestRecordAndTheBirthDatesOfLivingQueens)
{
    Start(kFamilyViewSettingsKey, AllChecks(kFamilyChecks, u"checked"));
    AddUserField(OwnerKind::Colony, u"Origin");
    const std::int32_t site = AddPoint(u"Linden");
    const std::int32_t acacia = AddFamily(site, u"Acacia");
    const std::int32_t birch = AddFamily(site, u"Birch");
    InspectData latest;
    latest.record.id_family = acacia;
    latest.record.date = Local(2025, 7, 2);
    latest.record.frame = 8;
    latest.record.strength = 6;
    latest.record.wax = 2;
    latest.record.is_queen_bee = 1;
    latest.record.hives = { Hive(u"Top", 4, 3), Hive(u"Bottom", 1, 2) };
    ASSERT_NE(journal->AddInspect(latest), 0);
    InspectData older = latest;
    older.record.date = Local(2025, 6, 2);
    older.record.frame = 5;
    older.record.hives = { Hive(u"Top", 9, 9) };
    ASSERT_NE(journal->AddInspect(older), 0);
    for (const auto& [born, dead] : { std::pair(Local(2023, 5, 20), false), std::pair(Local(2024, 6, 1), false),
             std::pair(Local(2022, 4, 2), true) }) {
        CQueenBeeCache::QueenBee queen;
        queen.id_family = acacia;
        queen.date = born;
        queen.is_dead = dead;
        ASSERT_NE(GetJournalHandlers()->queens.Add(queen), 0);
    }

    CViewFamilies* view = Show<CViewFamilies>(site);
    CTableDrawer& grid = view->Grid().Drawer();
    EXPECT_EQ(ColumnIds(grid),
        (std::vector<int> { ColonyNameColumn, ColonyTypeColumn, ColonyNoteColumn, ColonyUserColumns, ColonyFramesColumn,
            ColonyStrengthColumn, ColonyHoneyColumn, ColonyBroodColumn, ColonyWaxColumn, ColonyHivesColumn,
            ColonyQueenStateColumn, ColonyQueenBirthDatesColumn }));
    auto row = [&](int index, int column) { return grid.GetCellText(grid.Rows()[index].get(), column); };
    EXPECT_EQ(row(0, 513), Text(StringId::FamilyTypeNone));
    EXPECT_EQ(row(0, 515), u"8");
    EXPECT_EQ(row(0, 516), u"6");
    EXPECT_EQ(row(0, 517), u"5");
    EXPECT_EQ(row(0, 518), u"5");
    EXPECT_EQ(row(0, 519), u"2");
    EXPECT_EQ(row(0, 520), u"2");
    EXPECT_EQ(row(0, 521), Text(StringId::QueenStatePresent));
    EXPECT_EQ(row(0, 522), u"20.05.2023 01.06.2024 ");
    EXPECT_EQ(row(1, 512), u"Birch");
    EXPECT_EQ(row(1, 515), u"0");
    EXPECT_EQ(row(1, 520), u"0");
    EXPECT_EQ(row(1, 521), Text(StringId::QueenStateNone));
    EXPECT_EQ(row(1, 522), u"");

    // A record of another colony comes in through event 4; a rename in the tree through event 2.
    AddInspect(birch, Local(2025, 7, 3), { Hive(u"Left", 1, 7) });
    EXPECT_EQ(row(1, 517), u"7");
    ASSERT_TRUE(journal->RenameFamily(birch, u"Aspen"));
    EXPECT_EQ(Column(grid, ColonyNameColumn), (std::vector<std::u16string> { u"Acacia", u"Aspen" }));
}

TEST_P(TablePageTest, InspectionsShowTheRangeWithBothEndsAndTheHiveLinesOfTheClickedRecord)
{
    Start(kRecordViewSettingsKey, AllChecks(kRecordChecks, u"unchecked"));
    const std::int32_t site = AddPoint(u"Linden");
    const std::int32_t family = AddFamily(site, u"Acacia");
    const std::int64_t to = Local(2025, 6, 15, 12, 30, 0);
    const std::int32_t atEnd = AddInspect(family, to, { Hive(u"Top", 3, 4), Hive(u"Bottom", 2, 1) });
    AddInspect(family, Local(2025, 6, 16));
    const std::int32_t early = AddInspect(family, Local(2025, 6, 3), { Hive(u"Left", 5, 6) });
    AddInspect(family, Local(2025, 5, 31));

    CViewInspect* view = Show<CViewInspect>(family);
    EXPECT_EQ(state.page, PageInspections);
    // By default the range runs from 1 January of this year, at this time of day, to now.
    const std::int64_t now = CurrentTime();
    EXPECT_LE(std::llabs(view->RangeTo() - now), 2);
    const std::optional<LocalTime> from = ToLocalTime(view->RangeFrom());
    const std::optional<LocalTime> today = ToLocalTime(now);
    ASSERT_TRUE(from && today);
    EXPECT_EQ(from->day, 1);
    EXPECT_EQ(from->month, 1);
    EXPECT_EQ(from->year, today->year);
    EXPECT_EQ(from->hour, today->hour);

    ApplyRange(view, Local(2025, 6, 1), to);
    CTableDrawer& grid = view->Grid().Drawer();
    EXPECT_EQ(ColumnIds(grid),
        (std::vector<int> { RecordDateColumn, RecordFramesColumn, RecordStrengthColumn, RecordQueenStateColumn }));
    EXPECT_EQ(Column(grid, RecordDateColumn), (std::vector<std::u16string> { u"03.06.2025", u"15.06.2025" }));
    EXPECT_EQ(grid.Rows()[1]->id, atEnd);
    EXPECT_EQ(Column(grid, RecordQueenStateColumn)[0], Text(StringId::QueenStateNone));

    CTableDrawer& lines = view->LowerGrid().Drawer();
    EXPECT_EQ(ColumnIds(lines), (std::vector<int> { HiveNameColumn, HiveBroodColumn, HiveHoneyColumn }));
    EXPECT_TRUE(lines.Rows().empty());
    EXPECT_FALSE(Enabled(view, IdChangeButton));
    ClickRow(view, view->Grid(), 1);
    EXPECT_TRUE(Enabled(view, IdChangeButton));
    EXPECT_EQ(Column(lines, HiveNameColumn), (std::vector<std::u16string> { u"Bottom", u"Top" }));
    EXPECT_EQ(Column(lines, HiveBroodColumn), (std::vector<std::u16string> { u"2", u"3" }));
    EXPECT_EQ(lines.Rows()[0]->id, 2); // its place in the record
    ClickRow(view, view->Grid(), 0);
    EXPECT_EQ(Column(lines, HiveNameColumn), (std::vector<std::u16string> { u"Left" }));
    // A click in the lower grid selects there and leaves the record.
    ClickRow(view, view->LowerGrid(), 0);
    EXPECT_EQ(lines.SelectedRow(), lines.Rows()[0].get());
    EXPECT_EQ(grid.SelectedRow()->id, early);
    EXPECT_EQ(Column(lines, HiveNameColumn), (std::vector<std::u16string> { u"Left" }));

    // The split line between the grids.
    const int split = view->Grid().Area().bottom;
    EXPECT_EQ(view->LowerGrid().Area().top, split + 1);
    EXPECT_EQ(UiTest::Grab(view).At(600, split), kBlack);

    // A record's delete names the record by its date and takes the row out at once.
    boxes.Answer(IDYES);
    ClickButton(view, IdDeleteButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteInspect) + u" " + Quoted(u"03.06.2025") + u"?");
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeleteInspect));
    EXPECT_EQ(Column(grid, RecordDateColumn), (std::vector<std::u16string> { u"15.06.2025" }));
    EXPECT_TRUE(lines.Rows().empty());
    UiTest::ProcessEvents();
    EXPECT_EQ(journalWindow.actions, (std::vector<std::pair<int, int>> { { ActionDeleteInspection, early } }));
    ClickButton(view, IdAddButton);
    UiTest::ProcessEvents();
    EXPECT_EQ(journalWindow.actions.back(), std::pair(int(ActionAddInspection), family));

    // The range outlives the page's window.
    view->Destroy();
    view->Create(&host);
    EXPECT_EQ(view->RangeTo(), to);
    EXPECT_EQ(Column(grid, RecordDateColumn), (std::vector<std::u16string> { u"03.06.2025", u"15.06.2025" }));
}

TEST_P(TablePageTest, InspectionsRangeTakesWholeDaysWhateverTimeOfDayThePickersHold)
{
    Start(kRecordViewSettingsKey, AllChecks(kRecordChecks, u"unchecked"));
    const std::int32_t family = AddFamily(AddPoint(u"Linden"), u"Acacia");
    AddInspect(family, Local(2025, 5, 31, 23, 59, 59));
    AddInspect(family, Local(2025, 6, 1));
    AddInspect(family, Local(2025, 6, 15, 18, 0, 0));
    AddInspect(family, Local(2025, 6, 16));

    CViewInspect* view = Show<CViewInspect>(family);
    // Records read from the file stand at midnight, and a record of today is saved at a later time
    // than the page opened: neither may fall out of a range that names their day.
    ApplyRange(view, Local(2025, 6, 1, 9, 0, 0), Local(2025, 6, 15, 12, 0, 0));
    EXPECT_EQ(Column(view->Grid().Drawer(), RecordDateColumn),
        (std::vector<std::u16string> { u"01.06.2025", u"15.06.2025" }));
}

TEST_P(TablePageTest, RangePickersShowTheWholeDateAndUpOrDownChangesThePartUnderTheCaret)
{
    Start(kRecordViewSettingsKey, {});
    const std::int32_t family = AddFamily(AddPoint(u"Linden"), u"Acacia");
    CDateTimeCtrl* from = nullptr;
    // At the desktop's font and at a large one, each picker shows its whole date and covers
    // neither the other nor the ">>" button.
    for (const int points : { 16, 0 }) {
        UiTest::UseFontPointSize(points);
        CViewInspect* view = Show<CViewInspect>(family);
        from = dynamic_cast<CDateTimeCtrl*>(view->GetDlgItem(CViewInspect::IdFrom));
        auto* to = dynamic_cast<CDateTimeCtrl*>(view->GetDlgItem(CViewInspect::IdTo));
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        from->SetTime(Local(2025, 1, 10));
        to->SetTime(Local(2025, 12, 28));
        EXPECT_EQ(UiTest::VisibleFieldText(from), u"10.01.2025") << points;
        EXPECT_EQ(UiTest::VisibleFieldText(to), u"28.12.2025") << points;
        CRect fromPlace;
        CRect toPlace;
        CRect applyPlace;
        from->GetWindowRect(&fromPlace);
        to->GetWindowRect(&toPlace);
        view->GetDlgItem(CViewInspect::IdApply)->GetWindowRect(&applyPlace);
        EXPECT_LT(fromPlace.right, toPlace.left) << points;
        EXPECT_LE(toPlace.right, applyPlace.left) << points;
    }

    const auto shown = [from] {
        std::int64_t time = 0;
        from->GetTime(time);
        return FormatDateText(time);
    };
    // Home puts the caret in the day, three steps right in the month, End in the year; each part
    // stays in sight.
    UiTest::KeyPress(from, VK_HOME);
    UiTest::KeyPress(from, VK_UP);
    EXPECT_EQ(shown(), u"11.01.2025");
    EXPECT_EQ(UiTest::VisibleFieldText(from), u"11.01.2025");
    for (int step = 0; step < 3; ++step)
        UiTest::KeyPress(from, VK_RIGHT);
    UiTest::KeyPress(from, VK_UP);
    EXPECT_EQ(shown(), u"11.02.2025");
    UiTest::KeyPress(from, VK_END);
    UiTest::KeyPress(from, VK_UP);
    EXPECT_EQ(shown(), u"11.02.2026");
    EXPECT_EQ(UiTest::VisibleFieldText(from), u"11.02.2026");
    UiTest::KeyPress(from, VK_DOWN);
    UiTest::KeyPress(from, VK_DOWN);
    EXPECT_EQ(shown(), u"11.02.2024");
    EXPECT_EQ(UiTest::VisibleFieldText(from), u"11.02.2024");
}

TEST_P(TablePageTest, DeletingAColonyAsksFirstAndTakesItsRowOutOnlyWhenTheJournalDeletedIt)
{
    Start(kFamilyViewSettingsKey, {});
    const std::int32_t site = AddPoint(u"Linden");
    const std::int32_t acacia = AddFamily(site, u"Acacia");
    const std::int32_t birch = AddFamily(site, u"Birch");
    AddInspect(birch, Local(2025, 6, 1));
    AddInspect(birch, Local(2025, 6, 2));
    AddInspect(acacia, Local(2025, 6, 3));
    CViewFamilies* view = Show<CViewFamilies>(site);
    CTableDrawer& grid = view->Grid().Drawer();

    // Nothing selected: change and delete do nothing.
    EXPECT_FALSE(Enabled(view, IdChangeButton));
    EXPECT_FALSE(Enabled(view, IdDeleteButton));
    ClickButton(view, IdDeleteButton);
    ClickButton(view, IdChangeButton);
    UiTest::ProcessEvents();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_TRUE(journalWindow.actions.empty());

    ClickRow(view, view->Grid(), 1);
    EXPECT_TRUE(Enabled(view, IdDeleteButton));
    boxes.Answer(IDNO);
    ClickButton(view, IdDeleteButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteFamily) + u" " + Quoted(u"Birch") + u"?\n"
            + (Russian() ? u"Вместе с ней удаляются её записи осмотров (2)." : u"Its inspection records (2) are deleted with it."));
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeleteFamily));
    EXPECT_EQ(boxes.Calls()[0].type & MB_YESNO, MB_YESNO);
    UiTest::ProcessEvents();
    EXPECT_TRUE(journalWindow.actions.empty());
    EXPECT_EQ(grid.Rows().size(), 2u);
    EXPECT_EQ(grid.SelectedRow()->id, birch);

    // A delete the journal did not do leaves the row where it was.
    boxes.Answer(IDYES);
    journalWindow.deleteDone = false;
    ClickButton(view, IdDeleteButton);
    EXPECT_EQ(journalWindow.actions, (std::vector<std::pair<int, int>> { { ActionDeleteColony, birch } }));
    EXPECT_EQ(Column(grid, ColonyNameColumn), (std::vector<std::u16string> { u"Acacia", u"Birch" }));
    EXPECT_EQ(grid.SelectedRow()->id, birch);

    journalWindow.deleteDone = true;
    journalWindow.actions.clear();
    ClickButton(view, IdDeleteButton);
    EXPECT_EQ(journalWindow.actions, (std::vector<std::pair<int, int>> { { ActionDeleteColony, birch } }));
    EXPECT_EQ(Column(grid, ColonyNameColumn), (std::vector<std::u16string> { u"Acacia" }));
    EXPECT_FALSE(Enabled(view, IdDeleteButton));

    ClickButton(view, IdAddButton);
    ClickRow(view, view->Grid(), 0);
    ClickButton(view, IdChangeButton);
    UiTest::ProcessEvents();
    EXPECT_EQ(journalWindow.actions,
        (std::vector<std::pair<int, int>> {
            { ActionDeleteColony, birch }, { ActionAddColony, site }, { ActionChangeColony, acacia } }));
}

TEST_P(TablePageTest, SitesAreListedInIdOrderAndFollowTheirEvents)
{
    Start(kPointViewSettingsKey, { { u"check_note", u"checked" } });
    AddUserField(OwnerKind::Site, u"Region");
    const std::int32_t oak = AddPoint(u"Oak", { { u"Region", u"North" } });
    const std::int32_t ash = AddPoint(u"Ash");
    CViewPoints* view = Show<CViewPoints>(5);
    EXPECT_EQ(state.page, PageSites);
    EXPECT_EQ(state.recordId, 0);
    EXPECT_TRUE(view->Accepts(0, NodeNone, ActionShowList));
    EXPECT_FALSE(view->Accepts(0, NodeSite, ActionShowList));
    CTableDrawer& grid = view->Grid().Drawer();
    EXPECT_EQ(ColumnIds(grid), (std::vector<int> { SiteNameColumn, SiteNoteColumn, SiteUserColumns }));
    EXPECT_EQ(Column(grid, SiteNameColumn), (std::vector<std::u16string> { u"Oak", u"Ash" }));
    EXPECT_EQ(Column(grid, SiteUserColumns), (std::vector<std::u16string> { u"North", u"" }));

    AddPoint(u"Elm");
    EXPECT_EQ(Column(grid, SiteNameColumn), (std::vector<std::u16string> { u"Oak", u"Ash", u"Elm" }));
    // The settings window applies the page: event 6 rebuilds the columns.
    ISetting* settings = GetSettingsManager()->FindSetting(Text(StringId::PointViewSettingsTitle));
    ASSERT_NE(settings, nullptr);
    settings->SetValue(u"check_note", u"unchecked");
    settings->Apply();
    EXPECT_EQ(ColumnIds(grid), (std::vector<int> { SiteNameColumn, SiteUserColumns }));

    ClickRow(view, view->Grid(), 1);
    boxes.Answer(IDYES);
    ClickButton(view, IdDeleteButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeletePoint) + u" " + Quoted(u"Ash") + u"?");
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeletePoint));
    // The site's row stays until the journal reports the deletion.
    EXPECT_EQ(grid.Rows().size(), 3u);
    ClickButton(view, IdAddButton);
    ClickButton(view, IdChangeButton);
    UiTest::ProcessEvents();
    EXPECT_EQ(journalWindow.actions,
        (std::vector<std::pair<int, int>> { { ActionDeleteSite, ash }, { ActionAddSite, 0 }, { ActionChangeSite, ash } }));
    ASSERT_TRUE(journal->DeletePoint(ash));
    EXPECT_EQ(Column(grid, SiteNameColumn), (std::vector<std::u16string> { u"Oak", u"Elm" }));
    EXPECT_EQ(grid.Rows()[0]->id, oak);

    // Without a scroll bar the wheel leaves the rows where they are.
    UiTest::Wheel(view, 50, 100, -120);
    EXPECT_EQ(grid.FirstVisibleRow(), grid.Rows()[0].get());
}

// A page that is not shown does not rebuild on the events it hears; created, it shows what changed
// while it was hidden.
TEST_P(TablePageTest, AHiddenPageIsBuiltOnceWhenShownWithWhatChangedMeanwhile)
{
    Start(kFamilyViewSettingsKey, {});
    const std::int32_t site = AddPoint(u"Oak");
    AddFamily(site, u"Linden");
    CViewFamilies hidden(&state);
    state.recordId = site;
    hidden.Prepare();
    EXPECT_TRUE(hidden.Grid().Drawer().Rows().empty());
    AddFamily(site, u"Acacia");
    EXPECT_TRUE(hidden.Grid().Drawer().Rows().empty());

    hidden.Create(&host);
    UiTest::ProcessEvents();
    EXPECT_EQ(Column(hidden.Grid().Drawer(), 512), (std::vector<std::u16string> { u"Acacia", u"Linden" }));
    hidden.Destroy();
}

TEST_P(TablePageTest, AnEmptyRangeSaysHowManyEarlierRecordsThereAreAndAClickShowsThem)
{
    Start(kRecordViewSettingsKey, {});
    const std::int32_t family = AddFamily(AddPoint(u"Meadow"), u"Acacia");
    const std::int32_t other = AddFamily(AddPoint(u"Heath"), u"Beta");
    AddInspect(family, Local(2024, 8, 20));
    AddInspect(family, Local(2024, 9, 2));
    AddInspect(other, Local(2023, 4, 1));
    CViewInspect* view = Show<CViewInspect>(family);
    CWnd* older = view->GetDlgItem(CViewInspect::IdOlder);
    ASSERT_NE(older, nullptr);
    // The range of this year shows none of last season's records, and says so.
    EXPECT_TRUE(view->Grid().Drawer().Rows().empty());
    ASSERT_TRUE(older->IsWindowVisible());
    EXPECT_EQ(older->GetWindowText(), Text(StringId::ShowOlderRecords) + u" 2");
    UiTest::Click(older, 5, 5);
    EXPECT_EQ(Column(view->Grid().Drawer(), RecordDateColumn),
        (std::vector<std::u16string> { u"20.08.2024", u"02.09.2024" }));
    EXPECT_EQ(FormatDateText(view->RangeFrom()), u"20.08.2024");
    EXPECT_FALSE(older->IsWindowVisible());

    // A colony without records offers nothing.
    CViewInspect* empty = Show<CViewInspect>(AddFamily(AddPoint(u"Hill"), u"Gamma"));
    EXPECT_FALSE(empty->GetDlgItem(CViewInspect::IdOlder)->IsWindowVisible());
}

INSTANTIATE_TEST_SUITE_P(Languages, TablePageTest, ShippedLanguages(), LanguageName);
