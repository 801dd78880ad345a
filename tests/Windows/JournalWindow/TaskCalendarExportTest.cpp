#include "TablePageFixture.h"

#include "Calendar.h"
#include "CalendarEvents.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "JournalHandlers.h"
#include "Menu.h"
#include "SchemaMigrations.h"
#include "TaskCache.h"

namespace {
class TaskCalendarExportTest : public TablePageTest
{
protected:
    TaskCalendarExportTest()
    {
        Start(kMainSettingsKey, {});
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetTaskCache()->Load(CDatabaseLease().get());
        const std::int32_t site = AddPoint(u"Луг");
        linden = AddFamily(site, u"Липа");
    }

    std::vector<CalendarEvent> Export(const std::filesystem::path& file)
    {
        boxes.ClearCalls();
        menus.Choose(CExportCommand::IdTasksCalendar);
        files.Answer(FromPath(file));
        CExportCommand(&host, nullptr, 0).Run({});
        EXPECT_EQ(boxes.Calls().size(), 1u);
        if (!boxes.Calls().empty()) {
            EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportCalendarDone) + u"\n" + FromPath(file));
        }
        return ReadCalendarEvents(file);
    }

    std::int32_t linden = 0;
    MenuResponder menus;
    FileDialogResponder files;
};
}

TEST_P(TaskCalendarExportTest, TheTasksGoToAPhonesCalendarAndAnotherExportReplacesThem)
{
    Task task;
    task.title = u"Проверить, что матка сеет";
    task.kind = TaskKind::QueenCheck;
    task.due = LocalMidnight(2026, 6, 21);
    task.note = u"взять дымарь";
    task.colonies = { linden };
    ASSERT_NE(GetJournalHandlers()->tasks.Add(task), 0);

    const std::vector<CalendarEvent> first = Export(m_dir.Path() / "tasks.ics");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].uid, ToUtf8(task.uid));
    EXPECT_EQ(first[0].summary, task.title);
    EXPECT_EQ(first[0].start, "2026-06-21");
    EXPECT_EQ(first[0].description, Text(StringId::TaskKindQueenCheck) + u"\nЛипа (Луг)\nвзять дымарь");

    // Done, and exported again: the same event, marked done.
    ASSERT_TRUE(GetJournalHandlers()->tasks.Complete(task.id, LocalMidnight(2026, 6, 21), 0));
    const std::vector<CalendarEvent> again = Export(m_dir.Path() / "again.ics");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].uid, first[0].uid);
    EXPECT_EQ(again[0].summary, u"\u2713 " + task.title);
    EXPECT_GE(again[0].sequence, first[0].sequence);
}

INSTANTIATE_TEST_SUITE_P(Languages, TaskCalendarExportTest, ShippedLanguages(), LanguageName);
