#include "AddChangeQueenBeeView.h"
#include "BQManagerDialog.h"
#include "ButtonDraw.h"
#include "Calendar.h"
#include "Dialog.h"
#include "FormFixture.h"
#include "JournalHandlers.h"
#include "JournalStores.h"
#include "MarkingColour.h"
#include "QBeeFamilyView.h"
#include "QBeeInspectView.h"
#include "QBeePointView.h"
#include "QueenBeeCache.h"
#include "ScrollBar.h"
#include "StringIds.h"
#include "TimeZone.h"

#include <iterator>

namespace {
// Noon of 1 June of the year, so that the local day is the same everywhere.
std::int64_t June(int year)
{
    return ToSeconds({ year, 6, 1, 12 });
}

class QueenPagesTest : public FormFixture
{
protected:
    std::int32_t AddSite(const std::u16string& name)
    {
        PointData point;
        point.name = name;
        return journal.AddPoint(point);
    }

    std::int32_t AddColony(std::int32_t site, const std::u16string& name)
    {
        FamilyData family;
        family.id_point = site;
        family.name = name;
        return journal.AddFamily(family);
    }

    static std::int32_t AddQueen(std::int32_t colony, const std::u16string& name, bool dead = false, int year = 2023,
        std::int32_t breed = 0)
    {
        CQueenBeeCache::QueenBee queen;
        queen.name = name;
        queen.id_family = colony;
        queen.is_dead = dead;
        queen.date = June(year);
        queen.breed = breed;
        queen.fert = u"yes";
        queen.description = u"calm";
        return GetJournalHandlers()->queens.Add(queen);
    }

    // The texts of every card, card by card.
    static std::vector<std::vector<std::u16string>> Cards(CQBeeView& page)
    {
        std::vector<std::vector<std::u16string>> cards;
        for (int card = 0; card < page.Drawer().CardCount(); ++card) {
            cards.emplace_back();
            for (const InfoLine& line : page.Drawer().Lines(card))
                cards.back().push_back(line.text);
        }
        return cards;
    }

    static std::u16string Counted(std::int32_t label, int count) { return Text(label) + u" - " + IntToText(count); }

    static void ClickCard(CQBeeView& page, int card)
    {
        const POINT origin = page.Drawer().CardOrigin(card);
        UiTest::Click(&page, origin.x + 60, origin.y + page.Drawer().CardHeight(card) - 3);
        UiTest::ProcessEvents();
    }

    // Presses the card's button as a user does: down and up inside it.
    static void PressCardButton(CQBeeView& page, int card)
    {
        const RECT& button = page.Drawer().Button(card)->Rect();
        const int x = (button.left + button.right) / 2;
        const int y = (button.top + button.bottom) / 2;
        UiTest::MouseDown(&page, x, y);
        UiTest::MouseUp(&page, x, y);
        UiTest::ProcessEvents(20);
    }

    // Clicks the bar between its thumb and its right arrow.
    static void PageRight(CScrollBar* bar)
    {
        RECT place {};
        bar->GetClientRect(&place);
        UiTest::Click(bar, place.right - CQBeeView::BarSize - 4, place.bottom / 2);
        UiTest::ProcessEvents();
    }

    static bool Enabled(CWnd& page, int id) { return page.GetDlgItem(id)->IsWindowEnabled(); }

    DialogResponder dialogs;
};
}

TEST_P(QueenPagesTest, SitesPageCountsColoniesWithoutALivingQueenAndLivingQueensAndFollowsTheStore)
{
    const std::int32_t meadow = AddSite(u"Meadow");
    const std::int32_t north = AddColony(meadow, u"North");
    const std::int32_t south = AddColony(meadow, u"South");
    AddQueen(north, u"Bella");
    AddQueen(south, u"Carla");
    AddQueen(south, u"Dora");
    const std::int32_t hill = AddSite(u"Hill");
    const std::int32_t east = AddColony(hill, u"East");
    AddQueen(east, u"Old", true);
    AddColony(hill, u"West");

    CQBeePointView page(&state);
    state.page = PageQueensOfSite;
    Open(page, 7);
    EXPECT_EQ(state.page, PageQueensOfAll);
    EXPECT_EQ(state.recordId, 0);
    EXPECT_TRUE(page.Accepts(1, NodeNone, ActionShowList));
    EXPECT_FALSE(page.Accepts(0, NodeNone, ActionShowList));
    EXPECT_FALSE(page.Accepts(1, NodeSite, ActionShowList));

    using Lines = std::vector<std::u16string>;
    // Every colony of Meadow has a living queen; South's two both count.
    EXPECT_EQ(Cards(page),
        (std::vector<Lines> {
            { u"Meadow", Counted(StringId::PointFamiliesWithoutQueen, 0), Counted(StringId::PointLivingQueens, 3) },
            { u"Hill", Counted(StringId::PointFamiliesWithoutQueen, 2), Counted(StringId::PointLivingQueens, 0) } }));
    const InfoLine& name = page.Drawer().Lines(0)[0];
    EXPECT_EQ(name.face, u"Arial");
    EXPECT_EQ(name.fontHeight, 20);
    EXPECT_TRUE(name.bold && name.italic);
    EXPECT_EQ(page.Drawer().Lines(0)[1].fontHeight, 14);
    EXPECT_EQ(page.Drawer().Data(1), hill);

    // A queen added elsewhere shows at once.
    AddQueen(east, u"Young");
    EXPECT_EQ(Cards(page)[1][1], Counted(StringId::PointFamiliesWithoutQueen, 1));
    EXPECT_EQ(Cards(page)[1][2], Counted(StringId::PointLivingQueens, 1));
}

TEST_P(QueenPagesTest, ColoniesPageSharesACardBetweenEqualNamesAndOrdersNamesWithoutCase)
{
    const std::int32_t meadow = AddSite(u"Meadow");
    const std::int32_t north = AddColony(meadow, u"North");
    AddColony(meadow, u"South");
    const std::int32_t twin = AddColony(meadow, u"north");
    AddColony(meadow, u"apple");
    AddColony(AddSite(u"Elsewhere"), u"Far");
    AddQueen(north, u"Bella");
    AddQueen(north, u"Old", true);
    AddQueen(twin, u"Carla");

    CQBeeFamilyView page(&state);
    Open(page, meadow);
    EXPECT_EQ(state.page, PageQueensOfSite);
    EXPECT_EQ(state.recordId, meadow);
    EXPECT_TRUE(page.Accepts(1, NodeSite, ActionShowList));

    using Lines = std::vector<std::u16string>;
    EXPECT_EQ(Cards(page),
        (std::vector<Lines> {
            { u"apple", Counted(StringId::FamilyLivingQueens, 0), Counted(StringId::FamilyAllQueens, 0) },
            { u"North", Counted(StringId::FamilyLivingQueens, 2), Counted(StringId::FamilyAllQueens, 3) },
            { u"South", Counted(StringId::FamilyLivingQueens, 0), Counted(StringId::FamilyAllQueens, 0) } }));
    EXPECT_EQ(page.Drawer().Data(1), north);
}

TEST_P(QueenPagesTest, ColonyPageShowsEachQueenWithHerStateFieldsAndMarkingDot)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    const std::int32_t bella = AddQueen(north, u"Bella", false, 2023, 5);
    const std::int32_t dora = AddQueen(north, u"Dora", true, 2025);
    AddQueen(AddColony(AddSite(u"Hill"), u"East"), u"Other");

    CQBeeInspectView page(&state);
    Open(page, north, 700);
    EXPECT_EQ(state.page, PageQueensOfColony);
    EXPECT_TRUE(page.Accepts(1, NodeColony, ActionShowList));

    using Lines = std::vector<std::u16string>;
    const auto cards = Cards(page);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0],
        (Lines { u"Bella", Text(StringId::QueenAliveState), u"calm", Text(StringId::QueenFertLabel) + u" - yes",
            Text(StringId::QueenBirthDateLabel) + u" - " + FormatDateText(June(2023)),
            Text(StringId::QueenBreedLabel) + u" - " + Text(StringId::BreedNone + 5) }));
    EXPECT_EQ(cards[1][1], Text(StringId::QueenDeadState));
    EXPECT_EQ(cards[1].back(), Text(StringId::QueenBreedLabel) + u" - " + Text(StringId::BreedNone));
    EXPECT_EQ(page.Drawer().Data(0), bella);
    EXPECT_EQ(page.Drawer().Data(1), dora);

    // 2023 is marked red and 2025 blue, in the strip under each card's picture.
    const UiTest::Image image = UiTest::Grab(&page);
    for (const auto& [card, year] : { std::pair { 0, 2023 }, std::pair { 1, 2025 } }) {
        const POINT origin = page.Drawer().CardOrigin(card);
        const int middle = CQBeeInspectView::DotSize / 2;
        EXPECT_EQ(image.At(origin.x + CQBeeInspectView::DotLeft + middle, origin.y + CQBeeInspectView::DotTop + middle),
            MarkingColour(year))
            << year;
    }
    EXPECT_NE(MarkingColour(2023), MarkingColour(2025));
}

TEST_P(QueenPagesTest, ColonyPageButtonsFollowTheSelectionAndPostTheirActions)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    AddQueen(north, u"Bella");
    const std::int32_t carla = AddQueen(north, u"Carla");

    CQBeeInspectView page(&state);
    Open(page, north, 700);
    EXPECT_EQ(page.GetDlgItem(IdAddButton)->GetWindowText(), Text(StringId::ButtonAdd));
    EXPECT_TRUE(Enabled(page, IdAddButton));
    EXPECT_FALSE(Enabled(page, IdChangeButton));
    EXPECT_FALSE(Enabled(page, IdDeleteButton));

    ClickCard(page, 1);
    EXPECT_EQ(page.Drawer().Selected(), 1);
    EXPECT_TRUE(Enabled(page, IdChangeButton));
    EXPECT_TRUE(Enabled(page, IdDeleteButton));

    PressButton(page, IdAddButton);
    PressButton(page, IdChangeButton);
    EXPECT_EQ(host.actions,
        (std::vector<std::pair<int, std::int32_t>> { { ActionAddQueen, north }, { ActionChangeQueen, carla } }));

    // A click beside every card selects none.
    UiTest::Click(&page, 5, page.Drawer().GetTotalHeight() + 20);
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Drawer().Selected(), -1);
    EXPECT_FALSE(Enabled(page, IdChangeButton));
    EXPECT_FALSE(Enabled(page, IdDeleteButton));
}

TEST_P(QueenPagesTest, DeleteAsksWithTheQueensNameAndOnlyYesPostsTheDelete)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    const std::int32_t bella = AddQueen(north, u"Bella");
    CQBeeInspectView page(&state);
    Open(page, north, 700);
    ClickCard(page, 0);

    boxes.Answer(IDNO);
    PressButton(page, IdDeleteButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::DeleteQueenBee) + u" " + Quoted(u"Bella") + u"?");
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::DeleteQueenBee));
    EXPECT_EQ(boxes.Calls()[0].type & 0xF, MB_YESNO);
    EXPECT_TRUE(host.actions.empty());
    EXPECT_EQ(Rows(u"SELECT name FROM queen_bee").size(), 1u);
    ASSERT_NE(GetQueenBeeCache()->FindQueenBee(bella), nullptr);

    boxes.Answer(IDYES);
    PressButton(page, IdDeleteButton);
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionDeleteQueen, bella } }));
}

TEST_P(QueenPagesTest, PressingACardOpensTheQueenManagerOnItsLevelAndId)
{
    const std::int32_t meadow = AddSite(u"Meadow");
    const std::int32_t north = AddColony(meadow, u"North");
    AddQueen(north, u"Bella");
    const std::int32_t carla = AddQueen(north, u"Carla");

    std::vector<QueenTreeItem> opened;
    const auto record = [&](CDialog& dialog) { opened.push_back(static_cast<CBQManagerDialog&>(dialog).Selection()); };
    // The first manager adds a queen to the colony, which the page shows once it closes.
    dialogs.Then([&](CDialog& dialog) {
        record(dialog);
        AddQueen(north, u"Dora");
    });
    dialogs.Then(record);
    dialogs.Then(record);

    CQBeeInspectView queens(&state);
    Open(queens, north, 700);
    ClickCard(queens, 1);
    PressCardButton(queens, 1);
    EXPECT_EQ(queens.Drawer().CardCount(), 3);
    queens.Destroy();
    CQBeeFamilyView colonies(&state);
    Open(colonies, meadow, 700);
    ClickCard(colonies, 0);
    PressCardButton(colonies, 0);
    colonies.Destroy();
    CQBeePointView sites(&state);
    Open(sites, 0, 700);
    ClickCard(sites, 0);
    PressCardButton(sites, 0);

    EXPECT_EQ(dialogs.Count(), 3);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].GetKind(), QueenTreeItem::Queen);
    EXPECT_EQ(opened[0].id, carla);
    EXPECT_EQ(opened[1].GetKind(), QueenTreeItem::Family);
    EXPECT_EQ(opened[1].id, north);
    EXPECT_EQ(opened[2].GetKind(), QueenTreeItem::Point);
    EXPECT_EQ(opened[2].id, meadow);
}

TEST_P(QueenPagesTest, NarrowPageScrollsSidewaysAndTallContentDownwards)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    for (const char16_t* name : { u"A", u"B", u"C", u"D" })
        AddQueen(north, name);
    CQBeeInspectView page(&state);
    // The page is what the host leaves right of the navigation tree: 180 wide, 200 high.
    Open(page, north, 200 + kJournalToolbarHeight + kTabStripHeight, 180 + kNavigationTreeWidth);
    auto* horizontal = static_cast<CScrollBar*>(page.GetDlgItem(IdQueensHorizontalBar));
    auto* vertical = static_cast<CScrollBar*>(page.GetDlgItem(IdQueensVerticalBar));
    ASSERT_TRUE(horizontal && vertical);
    EXPECT_TRUE(horizontal->IsWindowVisible());
    EXPECT_TRUE(vertical->IsWindowVisible());
    SCROLLINFO info;
    horizontal->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax + 1, CQBeeView::ContentWidth);
    EXPECT_EQ(static_cast<int>(info.nPage), 180 - CQBeeView::BarSize);
    vertical->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax + 1, page.Drawer().GetTotalHeight());
    // 200 less the button panel and the horizontal bar.
    EXPECT_EQ(static_cast<int>(info.nPage), 200 - 50 - CQBeeView::BarSize);

    PageRight(horizontal);
    UiTest::Grab(&page);
    EXPECT_EQ(page.Drawer().CardOrigin(0).x, -(CQBeeView::ContentWidth - (180 - CQBeeView::BarSize)));

    UiTest::Wheel(&page, 50, 50, -120);
    UiTest::ProcessEvents();
    UiTest::Grab(&page);
    EXPECT_LT(page.Drawer().CardOrigin(0).y, 0);

    // Widened, the page needs no sideways bar and the cards come back to the left edge.
    host.MoveWindow(10, 10, 900, 200 + kJournalToolbarHeight + kTabStripHeight);
    page.MoveWindow(kNavigationTreeWidth, kJournalToolbarHeight + kTabStripHeight, 700, 200);
    UiTest::ProcessEvents();
    EXPECT_FALSE(horizontal->IsWindowVisible());
    UiTest::Grab(&page);
    EXPECT_EQ(page.Drawer().CardOrigin(0).x, 0);
}

TEST_P(QueenPagesTest, NewQueenIsStoredInTheColonyWithHerBreedAndUncheckedLivingMakesHerDead)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    CAddQueenBeeView page(&state, journal);
    Open(page, north);
    EXPECT_EQ(state.page, PageAddQueen);
    EXPECT_TRUE(page.Accepts(1, NodeColony, ActionAddQueen));
    EXPECT_EQ(page.GetTitle(), Text(StringId::AddQueenBee));
    EXPECT_EQ(page.Editor().GetValue(6), u"+");

    Type(page, 2, u"Hilda");
    CEditorItem* breed = Row(page, 4);
    UiTest::Click(&page, breed->Width() * 3 / 4, breed->GetTop() + 4);
    for (int step = 0; step < 3; ++step)
        UiTest::KeyPress(&page, VK_DOWN);
    Type(page, 5, u"marked");
    Type(page, 7, u"gentle");
    CEditorItem* living = Row(page, 6);
    UiTest::Click(&page, living->Width() * 3 / 4, living->GetTop() + 4);
    UiTest::ProcessEvents();
    EXPECT_EQ(page.Editor().GetValue(6), u"-");
    const std::u16string born = page.Editor().GetValue(3);

    PressButton(page, IdSaveButton);
    const RowList rows = Rows(u"SELECT name, id_family, breed, is_dead, fert, description, date FROM queen_bee");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"Hilda");
    EXPECT_EQ(WToI(rows[0][1].second), north);
    EXPECT_EQ(rows[0][2].second, u"3");
    EXPECT_EQ(rows[0][3].second, u"1");
    EXPECT_EQ(rows[0][4].second, u"marked");
    EXPECT_EQ(rows[0][5].second, u"gentle");
    const auto queens = GetQueenBeeCache()->QueensOf(north);
    ASSERT_EQ(queens.size(), 1u);
    EXPECT_EQ(FormatDateText(queens.begin()->second.date), born);
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(QueenPagesTest, ABirthDateSavedFromTheFormIsTheSameAfterARestartInSummerAndInWinter)
{
    const TimeZone berlin("Europe/Berlin");
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    for (const std::u16string typed : { u"15072025", u"15012025" }) {
        CAddQueenBeeView page(&state, journal);
        Open(page, north);
        Type(page, 2, u"Hilda");
        UiTest::KeyPress(&page, VK_TAB);
        UiTest::TypeText(&page, typed);
        ASSERT_EQ(page.Editor().GetValue(3), typed.substr(0, 2) + u"." + typed.substr(2, 2) + u"." + typed.substr(4));
        PressButton(page, IdSaveButton);
        page.Destroy();
    }
    const auto saved = GetQueenBeeCache()->QueensOf(north);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved.begin()->second.date, LocalMidnight(2025, 7, 15));
    EXPECT_EQ(std::next(saved.begin())->second.date, LocalMidnight(2025, 1, 15));

    // The next start reads the stores from the file.
    LoadJournalStores(CDatabaseLease().get());
    for (const auto& [id, queen] : saved) {
        const CQueenBeeCache::QueenBee* read = GetQueenBeeCache()->FindQueenBee(id);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->date, queen.date) << ToUtf8(FormatDateText(queen.date));
    }
}

TEST_P(QueenPagesTest, ChangedQueenKeepsHerColonyAndMotherAndTakesTheTypedFields)
{
    const std::int32_t north = AddColony(AddSite(u"Meadow"), u"North");
    const std::int32_t mother = AddQueen(north, u"Bella");
    const std::int32_t carla = AddQueen(north, u"Carla", true, 2024, 7);
    GetJournalHandlers()->queens.SetParent(carla, mother);

    CChangeQueenBeeView page(&state, journal);
    Open(page, carla);
    EXPECT_EQ(state.page, PageChangeQueen);
    EXPECT_TRUE(page.Accepts(1, NodeColony, ActionChangeQueen));
    EXPECT_EQ(page.Editor().GetValue(2), u"Carla");
    EXPECT_EQ(page.Editor().GetValue(4), u"7");
    EXPECT_EQ(page.Editor().GetValue(6), u"-");
    EXPECT_EQ(page.Editor().GetValue(3), FormatDateText(June(2024)));

    Type(page, 2, u" II");
    CEditorItem* living = Row(page, 6);
    UiTest::Click(&page, living->Width() * 3 / 4, living->GetTop() + 4);
    PressButton(page, IdSaveButton);

    const RowList rows = Rows(u"SELECT name, is_dead, breed, id_family, id_parent_queen_bee FROM queen_bee "
                              u"WHERE id_queen_bee="
        + IntToText(carla));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].second, u"Carla II");
    EXPECT_EQ(rows[0][1].second, u"0");
    EXPECT_EQ(rows[0][2].second, u"7");
    EXPECT_EQ(WToI(rows[0][3].second), north);
    EXPECT_EQ(WToI(rows[0][4].second), mother);
    EXPECT_FALSE(GetQueenBeeCache()->FindQueenBee(carla)->is_dead);
    EXPECT_EQ(host.actions, (std::vector<std::pair<int, std::int32_t>> { { ActionShowList, 0 } }));
}

TEST_P(QueenPagesTest, SidewaysBarMovesTheCardsAlsoWhenAllOfThemFitInHeight)
{
    AddQueen(AddColony(AddSite(u"Meadow"), u"North"), u"Bella");
    CQBeePointView page(&state);
    Open(page, 0, 600 + kJournalToolbarHeight + kTabStripHeight, 200 + kNavigationTreeWidth);
    auto* horizontal = static_cast<CScrollBar*>(page.GetDlgItem(IdQueensHorizontalBar));
    EXPECT_TRUE(horizontal->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(IdQueensVerticalBar)->IsWindowVisible());

    PageRight(horizontal);
    UiTest::Grab(&page);
    EXPECT_EQ(page.Drawer().CardOrigin(0).x, -(CQBeeView::ContentWidth - 200));
}

INSTANTIATE_TEST_SUITE_P(Languages, QueenPagesTest, ShippedLanguages(), LanguageName);
