#include "JournalWindowFixture.h"

#include "Calendar.h"
#include "ColonyCare.h"
#include "Dialog.h"
#include "DueButton.h"
#include "DueTasksDialog.h"
#include "JournalHandlers.h"
#include "JournalPages.h"
#include "ListBox.h"
#include "SchemaMigrations.h"
#include "TaskCache.h"
#include "Tr.h"

namespace {
constexpr std::int32_t kLinden = 5;

class DueTasksTest : public JournalWindowTest
{
protected:
    DueTasksTest()
        : JournalWindowTest(JournalPageFactories())
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetTaskCache()->Load(CDatabaseLease().get());
        GetEventManager()->Fire(EventTasksChanged);
    }

    static std::int32_t Plan(const char16_t* title, int days)
    {
        Task task;
        task.title = title;
        task.kind = TaskKind::Inspection;
        task.due = DaysAfter(CurrentTime(), days);
        task.colonies = { kLinden };
        return GetJournalHandlers()->tasks.Add(task);
    }

    CDueButton* Due() { return dynamic_cast<CDueButton*>(Window()->GetDlgItem(IdDueButton)); }

    static std::u16string Line(CListBox* list, int index)
    {
        std::u16string text;
        list->GetText(index, text);
        return text;
    }

    DialogResponder dialogs;
};
}

TEST_P(DueTasksTest, TheCountOfTasksDueShowsRightOfTheTabsAndItsListMarksThemDone)
{
    ASSERT_NE(Due(), nullptr);
    EXPECT_FALSE(Due()->IsWindowVisible());
    ASSERT_NE(Plan(u"Check for eggs", -2), 0);
    ASSERT_NE(Plan(u"Add a super", 0), 0);
    ASSERT_NE(Plan(u"Autumn check", 1), 0);
    UiTest::ProcessEvents();
    ASSERT_TRUE(Due()->IsWindowVisible());
    EXPECT_EQ(Due()->GetWindowText(), TrFilled(StringId::DueButton, { u"2" }));
    // In the tab strip's row, right of the tabs.
    CRect button;
    Due()->GetWindowRect(&button);
    CRect tabs;
    Tabs()->GetWindowRect(&tabs);
    EXPECT_EQ(button.right, tabs.right - 4);
    EXPECT_GE(button.top, tabs.top);
    CRect lastTab;
    ASSERT_TRUE(Tabs()->GetItemRect(Tabs()->GetItemCount() - 1, &lastTab));
    CPoint lastTabEnd(lastTab.right, lastTab.top);
    Tabs()->ClientToScreen(&lastTabEnd);
    EXPECT_GT(button.left, lastTabEnd.x);

    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::DueTitle));
        auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(CDueTasksDialog::IdList));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetCount(), 2);
        EXPECT_EQ(Line(list, 0), TrFilled(StringId::DueOverdue, { FormatDateText(DaysAfter(CurrentTime(), -2)) })
                + u" \u2014 Check for eggs \u2014 Linden");
        EXPECT_EQ(Line(list, 1), Text(StringId::DueToday) + u" \u2014 Add a super \u2014 Linden");
        UiTest::Click(dialog.GetDlgItem(CDueTasksDialog::IdDone), 5, 5);
        ASSERT_EQ(list->GetCount(), 1);
        EXPECT_EQ(Line(list, 0), Text(StringId::DueToday) + u" \u2014 Add a super \u2014 Linden");
        UiTest::Click(dialog.GetDlgItem(IDCANCEL), 5, 5);
    });
    UiTest::Click(Due(), 10, 10);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks WHERE done=1 AND title='Check for eggs'"), 1);
    EXPECT_EQ(Due()->GetWindowText(), TrFilled(StringId::DueButton, { u"1" }));
}

TEST_P(DueTasksTest, AWindowLeftOpenOverMidnightCountsTheNewDaysTasks)
{
    ASSERT_NE(Due(), nullptr);
    const std::int64_t today = DaysAfter(CurrentTime(), 0);
    std::int64_t now = today + 23 * 3600 + 59 * 60;
    Due()->SetClock([&now] { return now; });
    Plan(u"Check the feeders", 1);
    UiTest::ProcessEvents();
    EXPECT_EQ(Due()->Count(), 0);
    EXPECT_FALSE(Due()->IsWindowVisible());

    now = DaysAfter(today, 1) + 30;
    UiTest::FireTimers(Due());
    EXPECT_EQ(Due()->Count(), 1);
    EXPECT_TRUE(Due()->IsWindowVisible());
    EXPECT_EQ(Due()->GetWindowText(), TrFilled(StringId::DueButton, { u"1" }));
    Due()->SetClock(CurrentTime);
}

INSTANTIATE_TEST_SUITE_P(Languages, DueTasksTest, ShippedLanguages(), LanguageName);
