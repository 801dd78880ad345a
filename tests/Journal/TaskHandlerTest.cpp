#include "Calendar.h"
#include "CareCache.h"
#include "HandlersFixture.h"
#include "LanguageManager.h"
#include "StringIds.h"
#include "SchemaMigrations.h"
#include "TaskCache.h"

namespace {
class TaskHandlerTest : public HandlersFixture
{
protected:
    TaskHandlerTest()
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        LoadJournalStores(CDatabaseLease().get());
        const std::int32_t north = AddPoint(u"North");
        anna = AddFamily(north, u"Anna");
        bella = AddFamily(north, u"Bella");
    }

    Task Inspection() const
    {
        Task task;
        task.title = u"Check for eggs";
        task.kind = TaskKind::Inspection;
        task.due = LocalMidnight(2026, 6, 1);
        task.everyDays = 14;
        task.repeatUntil = LocalMidnight(2026, 6, 29);
        task.colonies = { anna, bella };
        return task;
    }

    std::int32_t anna = 0;
    std::int32_t bella = 0;
    CTaskHandler& tasks = journal.tasks;
};
}

TEST_F(TaskHandlerTest, ATaskIsStoredWithItsColoniesAndAUidThatItsChangesKeep)
{
    Task task = Inspection();
    ASSERT_NE(tasks.Add(task), 0);
    EXPECT_FALSE(task.uid.empty());
    const Task* stored = GetTaskCache()->Find(task.id);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(*stored, task);
    EXPECT_EQ(GetTaskCache()->TasksOf(bella).size(), 1u);
    Task another = Inspection();
    ASSERT_NE(tasks.Add(another), 0);
    EXPECT_NE(another.uid, task.uid);

    // The store was read again after the second task.
    Task changed = *GetTaskCache()->Find(task.id);
    changed.title = u"Check acceptance";
    changed.dueMinutes = 9 * 60;
    changed.colonies = { bella };
    changed.uid = u"other";
    ASSERT_TRUE(tasks.Change(changed));
    stored = GetTaskCache()->Find(task.id);
    EXPECT_EQ(stored->title, u"Check acceptance");
    EXPECT_EQ(stored->dueMinutes, 9 * 60);
    EXPECT_EQ(stored->uid, task.uid);
    EXPECT_TRUE(GetTaskCache()->TasksOf(anna).size() == 1u);

    // The tasks' colonies share their table with the care's, apart by kind: a feeding of the same
    // id is not given to the task's colonies.
    FeedType syrup { 0, u"Syrup", 0.5, 1.23 };
    Feeding feeding;
    feeding.id_feed_type = journal.care.SaveFeedType(syrup);
    feeding.amount = 2;
    feeding.date = LocalMidnight(2026, 6, 2);
    feeding.colonies = { anna };
    ASSERT_EQ(journal.care.AddFeeding(feeding), task.id);
    EXPECT_EQ(GetCareCache()->FindFeeding(feeding.id)->colonies, std::vector<std::int32_t> { anna });
    EXPECT_EQ(GetTaskCache()->Find(task.id)->colonies, std::vector<std::int32_t> { bella });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TaskHandlerTest, DoingATaskMovesItToItsNextOccurrenceUntilTheLastIsDone)
{
    Task task = Inspection();
    ASSERT_NE(tasks.Add(task), 0);
    EXPECT_EQ(GetTaskCache()->DueBy(LocalMidnight(2026, 5, 31)).size(), 0u);
    EXPECT_EQ(GetTaskCache()->DueBy(LocalMidnight(2026, 6, 3)).size(), 1u);
    ASSERT_TRUE(tasks.Complete(task.id, LocalMidnight(2026, 6, 2), 0));
    EXPECT_EQ(GetTaskCache()->Find(task.id)->due, LocalMidnight(2026, 6, 15));
    ASSERT_TRUE(tasks.Complete(task.id, LocalMidnight(2026, 6, 15), 0));
    ASSERT_TRUE(tasks.Complete(task.id, LocalMidnight(2026, 6, 29), 42));
    const Task* done = GetTaskCache()->Find(task.id);
    EXPECT_TRUE(done->done);
    EXPECT_EQ(done->idRecord, 42);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks WHERE done=1 AND id_record=42"), 1);
    // Nothing more to do.
    EXPECT_FALSE(tasks.Complete(task.id, LocalMidnight(2026, 7, 1), 0));

    ASSERT_TRUE(tasks.Delete(task.id));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies WHERE kind=3"), 0);
}

TEST_F(TaskHandlerTest, AFaultyTaskIsRefusedOnceAndWritesNothing)
{
    const auto refused = [&](auto spoil, std::int32_t refusal) {
        Task task = Inspection();
        spoil(task);
        boxes.ClearCalls();
        EXPECT_EQ(tasks.Add(task), 0);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_NE(boxes.Calls()[0].text.find(GetLanguageManager()->GetString(refusal)), std::u16string::npos);
    };
    refused([](Task& task) { task.title = u"  "; }, StringId::TaskRefusalTitle);
    refused([](Task& task) { task.dueMinutes = 24 * 60; }, StringId::TaskRefusalTime);
    refused([](Task& task) { task.everyDays = -1; }, StringId::TaskRefusalRepeat);
    refused([&](Task& task) { task.repeatUntil = LocalMidnight(2026, 5, 1); }, StringId::TaskRefusalRepeat);
    refused([](Task& task) { task.colonies.push_back(999); }, StringId::RemovedOutside);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks"), 0);

    // A colony's deletion leaves its tasks to the colonies left.
    Task task = Inspection();
    ASSERT_NE(tasks.Add(task), 0);
    ASSERT_TRUE(journal.colonies.Delete(anna));
    EXPECT_EQ(GetTaskCache()->Find(task.id)->colonies, std::vector<std::int32_t> { bella });
}
