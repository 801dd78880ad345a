#include "JournalWindowFixture.h"

#include "Calendar.h"
#include "CalendarLines.h"
#include "CalendarView.h"
#include "CareCache.h"
#include "CareDialog.h"
#include "ChartPixels.h"
#include "ColonyCare.h"
#include "ColonyEventCache.h"
#include "Dialog.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "SchemaMigrations.h"
#include "TaskCache.h"
#include "Tr.h"

#include <algorithm>

namespace {
constexpr std::int32_t kLinden = 5;
constexpr std::int32_t kAcacia = 3;

// The journal window with its pages on a journal with tasks: Linden is to be weighed every week of
// May 2025 from the 4th, Acacia was fed on 20 May, and the hives are to be ordered on 7 May, for no
// colony in particular. Linden has a record of 10 May.
class CalendarViewTest : public JournalWindowTest
{
protected:
    CalendarViewTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetTaskCache()->Load(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
        GetColonyEventCache()->Load(CDatabaseLease().get());
        weigh = AddTask(u"Weigh", May(4), { kLinden }, 7, May(25));
        const std::int32_t feed = AddTask(u"Feed", May(19), { kAcacia });
        GetJournalHandlers()->tasks.Complete(feed, May(20), 0);
        AddTask(u"Order hives", May(7), {});
        InspectData inspect;
        inspect.record.id_family = kLinden;
        inspect.record.date = May(10);
        journal->AddInspect(inspect);
        UiTest::ProcessEvents();
    }

    static std::int64_t May(int day) { return LocalMidnight(2025, 5, day); }

    static std::int32_t AddTask(const std::u16string& title, std::int64_t due, std::vector<std::int32_t> colonies,
        std::int32_t everyDays = 0, std::int64_t until = 0)
    {
        Task task;
        task.title = title;
        task.due = due;
        task.everyDays = everyDays;
        task.repeatUntil = until;
        task.colonies = std::move(colonies);
        return GetJournalHandlers()->tasks.Add(task);
    }

    CCalendarView* Page() { return dynamic_cast<CCalendarView*>(Window()->GetDlgItem(IdPage)); }

    void Press(int button)
    {
        CButton& pressed = Page()->MonthButton(button);
        CRect place;
        pressed.GetClientRect(&place);
        UiTest::Click(&pressed, place.CenterPoint().x, place.CenterPoint().y);
        UiTest::ProcessEvents();
    }

    void TurnToMay2025()
    {
        const LocalTime now = ToLocalTime(CurrentTime()).value();
        for (int months = (now.year - 2025) * 12 + now.month - 5; months > 0; --months)
            Press(CCalendarView::IdPreviousMonth);
    }

    static std::vector<std::u16string> LinesOn(const std::vector<CalendarLine>& lines, std::int64_t day)
    {
        std::vector<std::u16string> texts;
        for (const CalendarLine& line : lines) {
            if (line.day == day)
                texts.push_back(line.text);
        }
        return texts;
    }

    // The place of the first line shown with the text.
    RECT PlaceOf(const std::u16string& text, std::int64_t day)
    {
        for (const CMonthCalendar::Placed& placed : Page()->Placed()) {
            const CalendarLine& line = Page()->Calendar().Lines()[placed.line];
            if (line.text == text && line.day == day)
                return placed.rect;
        }
        ADD_FAILURE() << "not shown";
        return {};
    }

    std::int32_t weigh = 0;
    DialogResponder dialogs;
};
}

TEST_P(CalendarViewTest, AColonysMonthShowsItsTasksAndRecordsAndTurnsByButtonsAndKeys)
{
    ClickItem(u"Linden");
    ClickTab(kCalendarTab);
    ASSERT_NE(Page(), nullptr);
    TurnToMay2025();
    ASSERT_EQ(Page()->Year(), 2025);
    ASSERT_EQ(Page()->Month(), 5);
    EXPECT_EQ(Page()->Calendar().Title(),
        TrFilled(StringId::CalendarTitle, { Text(StringId::MonthJanuary + 4), u"2025" }) + u": Linden (North)");

    const std::vector<CalendarLine>& lines = Page()->Calendar().Lines();
    for (int day : { 4, 11, 18, 25 })
        EXPECT_EQ(LinesOn(lines, May(day)), std::vector<std::u16string> { u"Weigh" }) << day;
    EXPECT_EQ(LinesOn(lines, May(10)), std::vector<std::u16string> { TrFilled(StringId::CalendarRecord, { u"Linden" }) });
    // Acacia's task and the task for no colony are not Linden's.
    EXPECT_TRUE(LinesOn(lines, May(20)).empty());
    EXPECT_TRUE(LinesOn(lines, May(7)).empty());

    // The occurrence left undone is red, the ones to come blue.
    const UiTest::Image picture = UiTest::Grab(Page());
    EXPECT_GT(PixelsNear(picture, PlaceOf(u"Weigh", May(4)), kCalendarOverdueColour), 5);
    EXPECT_EQ(PixelsNear(picture, PlaceOf(u"Weigh", May(4)), kCalendarTaskColour), 0);
    EXPECT_GT(PixelsNear(picture, PlaceOf(u"Weigh", May(18)), kCalendarTaskColour), 5);

    // A double-click on a task opens it.
    dialogs.Then([](CDialog& dialog) {
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdTitle)->GetWindowText(), u"Weigh");
        UiTest::Click(dialog.GetDlgItem(IDCANCEL), 5, 5);
    });
    const RECT place = PlaceOf(u"Weigh", May(11));
    UiTest::DoubleClick(Page(), place.left + 5, (place.top + place.bottom) / 2);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(dialogs.Count(), 1);

    UiTest::KeyPress(Page(), VK_NEXT);
    EXPECT_EQ(Page()->Month(), 6);
    EXPECT_TRUE(LinesOn(Page()->Calendar().Lines(), May(25)).empty());
    Press(CCalendarView::IdThisMonth);
    const LocalTime now = ToLocalTime(CurrentTime()).value();
    EXPECT_EQ(Page()->Year(), now.year);
    EXPECT_EQ(Page()->Month(), now.month);
    // Today's box is tinted.
    CRect client;
    Page()->GetClientRect(&client);
    const RECT calendar { 0, CChartView::StripSize, client.right, client.bottom };
    const RECT today = Page()->Calendar().DayBox(calendar, now.day);
    EXPECT_GT(PixelsIn(UiTest::Grab(Page()), today, CMonthCalendar::TodayTint), 100);
}

TEST_P(CalendarViewTest, ASitesMonthKeepsItsPlaceAndShowsTheTasksDoneOnTheirDay)
{
    ClickItem(u"Linden");
    ClickTab(kCalendarTab);
    TurnToMay2025();
    ClickItem(u"North");
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->Month(), 5);
    EXPECT_EQ(Page()->Calendar().Title(),
        TrFilled(StringId::CalendarTitle, { Text(StringId::MonthJanuary + 4), u"2025" }) + u": North");
    const std::vector<CalendarLine>& lines = Page()->Calendar().Lines();
    EXPECT_EQ(LinesOn(lines, May(20)), std::vector<std::u16string> { u"✓ Feed" });
    EXPECT_EQ(LinesOn(lines, May(18)), std::vector<std::u16string> { u"Weigh" });
    EXPECT_TRUE(LinesOn(lines, May(7)).empty());
    EXPECT_GT(PixelsNear(UiTest::Grab(Page()), PlaceOf(u"✓ Feed", May(20)), kCalendarDoneColour), 5);

    // Marking Linden's weighing done moves it on at once.
    GetJournalHandlers()->tasks.Complete(weigh, May(4), 0);
    UiTest::ProcessEvents();
    EXPECT_TRUE(LinesOn(Page()->Calendar().Lines(), May(4)).empty());
    EXPECT_EQ(LinesOn(Page()->Calendar().Lines(), May(11)), std::vector<std::u16string> { u"Weigh" });
}

TEST_P(CalendarViewTest, TheWholeJournalsMonthHasTheTasksForNoColonyAndADayFullOfThemCountsTheRest)
{
    const std::vector<CalendarLine> lines = CalendarLinesOf(2025, 5, { NodeNone, 0 }, CurrentTime());
    EXPECT_EQ(LinesOn(lines, May(7)), std::vector<std::u16string> { u"Order hives" });
    EXPECT_EQ(LinesOn(lines, May(20)), std::vector<std::u16string> { u"✓ Feed" });

    for (int task = 1; task <= 12; ++task)
        AddTask(u"Check " + IntToText(task), May(14), { kLinden });
    ClickItem(u"Linden");
    ClickTab(kCalendarTab);
    TurnToMay2025();
    const std::size_t shown = std::count_if(Page()->Placed().begin(), Page()->Placed().end(),
        [this](const CMonthCalendar::Placed& placed) { return Page()->Calendar().Lines()[placed.line].day == May(14); });
    EXPECT_GT(shown, 0u);
    EXPECT_LT(shown, 12u);
    // The box's last line says how many more there are.
    CRect client;
    Page()->GetClientRect(&client);
    const RECT box = Page()->Calendar().DayBox({ 0, CChartView::StripSize, client.right, client.bottom }, 14);
    EXPECT_GT(PixelsNear(UiTest::Grab(Page()), { box.left, box.bottom - 20, box.right, box.bottom }, CChartFrame::Faded), 5);
    // Hovering the day shows every one of its lines whole.
    UiTest::MouseMove(Page(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    const std::u16string tip = Page()->TipText();
    EXPECT_EQ(std::count(tip.begin(), tip.end(), u'\n'), 11);
    EXPECT_EQ(tip.find(u"Check 1\n"), 0u);
    EXPECT_NE(tip.find(u"\nCheck 12"), std::u16string::npos);
}

TEST_P(CalendarViewTest, PastMidnightTodayAndTheOverdueTasksMoveOnByThemselves)
{
    ClickItem(u"Linden");
    ClickTab(kCalendarTab);
    ASSERT_NE(Page(), nullptr);
    std::int64_t now = May(3) + 23 * 3600 + 59 * 60;
    Page()->SetClock([&now] { return now; });
    Press(CCalendarView::IdThisMonth);
    ASSERT_EQ(Page()->Month(), 5);
    CRect client;
    Page()->GetClientRect(&client);
    const RECT calendar { 0, CChartView::StripSize, client.right, client.bottom };
    EXPECT_GT(PixelsIn(UiTest::Grab(Page()), Page()->Calendar().DayBox(calendar, 3), CMonthCalendar::TodayTint), 100);
    EXPECT_GT(PixelsNear(UiTest::Grab(Page()), PlaceOf(u"Weigh", May(4)), kCalendarTaskColour), 5);

    // Two days on, the weighing of the 4th is overdue.
    now = May(5) + 30;
    UiTest::FireTimers(Page());
    UiTest::ProcessEvents();
    const UiTest::Image picture = UiTest::Grab(Page());
    EXPECT_EQ(PixelsIn(picture, Page()->Calendar().DayBox(calendar, 3), CMonthCalendar::TodayTint), 0);
    EXPECT_GT(PixelsIn(picture, Page()->Calendar().DayBox(calendar, 5), CMonthCalendar::TodayTint), 100);
    EXPECT_GT(PixelsNear(picture, PlaceOf(u"Weigh", May(4)), kCalendarOverdueColour), 5);
    Page()->SetClock(CurrentTime);
}

INSTANTIATE_TEST_SUITE_P(Languages, CalendarViewTest, ShippedLanguages(), LanguageName);
