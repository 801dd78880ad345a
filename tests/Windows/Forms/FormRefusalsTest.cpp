#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangePointView.h"
#include "AddChangeQueenBeeView.h"
#include "Calendar.h"
#include "CareCache.h"
#include "JournalHandlers.h"
#include "SchemaMigrations.h"
#include "Clipboard.h"
#include "FormFixture.h"
#include "HousingCache.h"
#include "JournalCache.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Tr.h"

namespace {
class FormRefusalsTest : public FormFixture
{
protected:
    std::int32_t AddColony()
    {
        PointData point;
        point.name = u"Meadow";
        FamilyData family;
        family.id_point = journal.AddPoint(point);
        family.name = u"North";
        const std::int32_t colony = journal.AddFamily(family);
        CHousingCache::Housing hive;
        hive.name = u"Blue";
        hive.id_family = colony;
        journal.AddHousing(hive);
        return colony;
    }

    // The one message of the refused save, and the form still open with nothing stored.
    void ExpectRefusedOnce(CAddChangeView& page, std::int32_t textId)
    {
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(textId));
        EXPECT_TRUE(host.actions.empty());
        EXPECT_TRUE(page.CWnd::IsCreated());
    }
};
}

TEST_P(FormRefusalsTest, RecordFormOfAColonyDeletedMeanwhileStoresNothingAndSaysSoOnce)
{
    const std::int32_t colony = AddColony();
    CAddInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, colony);
    ASSERT_TRUE(page.GetDlgItem(IdSaveButton)->IsWindowEnabled());
    ASSERT_TRUE(journal.DeleteFamily(colony));
    PressButton(page, IdSaveButton);
    ExpectRefusedOnce(page, StringId::OwnerColonyGone);
    EXPECT_TRUE(Rows(u"SELECT * FROM journal").empty());
    EXPECT_TRUE(Rows(u"SELECT * FROM inspect").empty());
}

TEST_P(FormRefusalsTest, QueenFormOfAColonyDeletedMeanwhileStoresNothingAndSaysSoOnce)
{
    const std::int32_t colony = AddColony();
    CAddQueenBeeView page(&state, journal);
    Open(page, colony);
    ASSERT_TRUE(journal.DeleteFamily(colony));
    PressButton(page, IdSaveButton);
    ExpectRefusedOnce(page, StringId::OwnerColonyGone);
    EXPECT_TRUE(Rows(u"SELECT * FROM queen_bee").empty());
}

TEST_P(FormRefusalsTest, SiteAndColonyFormsRefuseABlankNameAsTheTreeDoes)
{
    CAddPointView site(&state, journal);
    Open(site, 0);
    PressButton(site, IdSaveButton);
    Type(site, 2, u"   ");
    PressButton(site, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, Text(StringId::NameRequired));
    EXPECT_TRUE(Rows(u"SELECT * FROM points").empty());
    EXPECT_TRUE(host.actions.empty());
    Type(site, 2, u"Meadow");
    PressButton(site, IdSaveButton);
    EXPECT_EQ(Rows(u"SELECT name FROM points").at(0).at(0).second, u"   Meadow");
    site.Destroy();

    const std::int32_t idPoint = GetPointFamilyCache()->Points().begin()->first;
    CAddFamilyView colony(&state, journal);
    Open(colony, idPoint);
    Type(colony, 2, u"\u00A0 ");
    PressButton(colony, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[2].text, Text(StringId::NameRequired));
    EXPECT_TRUE(Rows(u"SELECT * FROM families").empty());
    EXPECT_TRUE(colony.CWnd::IsCreated());
}

TEST_P(FormRefusalsTest, RecordWithMoreFramesThanAColonyHasIsSavedOnlyWhenTheBeekeeperConfirms)
{
    const std::int32_t colony = AddColony();
    CAddInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, colony);
    Type(page, 3, u"500");
    boxes.Answer(IDNO);
    PressButton(page, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const std::u16string question = boxes.Calls()[0].text;
    EXPECT_EQ(boxes.Calls()[0].type & MB_YESNO, MB_YESNO);
    EXPECT_EQ(boxes.Calls()[0].caption, Text(StringId::CheckValuesTitle));
    EXPECT_NE(question.find(Text(StringId::FramesField) + u": 500 (" + Text(StringId::AtMostLabel) + u" 100)"),
        std::u16string::npos);
    EXPECT_EQ(question.find(Text(StringId::FutureDateNotice)), std::u16string::npos);
    EXPECT_TRUE(Rows(u"SELECT * FROM journal").empty());
    EXPECT_TRUE(host.actions.empty());

    boxes.Answer(IDYES);
    PressButton(page, IdSaveButton);
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(Rows(u"SELECT frame FROM journal").at(0).at(0).second, u"500");
}

TEST_P(FormRefusalsTest, HoneyTakenInsideAWithdrawalIsStoredOnlyWhenTheBeekeeperConfirms)
{
    SchemaMigrations::Migrate(CDatabaseLease().get());
    GetCareCache()->Load(CDatabaseLease().get());
    const std::int32_t colony = AddColony();
    TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
    ASSERT_NE(GetJournalHandlers()->care.SaveProduct(strips), 0);
    Treatment treatment;
    treatment.id_product = strips.id;
    treatment.dose = 2;
    treatment.date_start = DaysAfter(CurrentTime(), -20);
    treatment.date_end = DaysAfter(CurrentTime(), -10);
    treatment.withdrawal_days = 14;
    treatment.colonies = { colony };
    ASSERT_NE(GetJournalHandlers()->care.AddTreatment(treatment), 0);

    CAddInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, colony);
    // The form's row 8: the honey extracted.
    Type(page, 8, u"12");
    boxes.Answer(IDNO);
    PressButton(page, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const std::u16string expected = TrFilled(StringId::WithheldHoneyNotice,
        { u"North", u"Amitraz strips", FormatDateText(DaysAfter(CurrentTime(), 4)) });
    EXPECT_NE(boxes.Calls()[0].text.find(expected), std::u16string::npos);
    EXPECT_TRUE(Rows(u"SELECT * FROM journal").empty());
    boxes.Answer(IDYES);
    PressButton(page, IdSaveButton);
    EXPECT_EQ(Rows(u"SELECT evacuation FROM journal").at(0).at(0).second, u"12");
}

TEST_P(FormRefusalsTest, ARecordOffersToMarkItsColonysInspectionTasksOfTheComingWeekDone)
{
    SchemaMigrations::Migrate(CDatabaseLease().get());
    GetTaskCache()->Load(CDatabaseLease().get());
    const std::int32_t colony = AddColony();
    const auto plan = [&](const char16_t* title, TaskKind kind, int days) {
        Task task;
        task.title = title;
        task.kind = kind;
        task.due = DaysAfter(CurrentTime(), days);
        task.colonies = { colony };
        return GetJournalHandlers()->tasks.Add(task);
    };
    const std::int32_t soon = plan(u"Check for eggs", TaskKind::Inspection, 5);
    const std::int32_t overdue = plan(u"Look at the brood", TaskKind::Inspection, -3);
    const std::int32_t later = plan(u"Autumn check", TaskKind::Inspection, 30);
    const std::int32_t feeding = plan(u"Feed", TaskKind::Feeding, 1);
    ASSERT_NE(soon * overdue * later * feeding, 0);

    CAddInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, colony);
    Type(page, 4, u"7");
    // Asked about the overdue one first, then the one due in five days; yes to the second only.
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    PressButton(page, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text,
        TrFilled(StringId::CloseTaskQuestion, { u"Look at the brood", FormatDateText(DaysAfter(CurrentTime(), -3)) }));
    EXPECT_EQ(boxes.Calls()[1].text,
        TrFilled(StringId::CloseTaskQuestion, { u"Check for eggs", FormatDateText(DaysAfter(CurrentTime(), 5)) }));
    ASSERT_EQ(GetJournalCache()->RecordsOf(colony).size(), 1u);
    const std::int32_t record = GetJournalCache()->RecordsOf(colony)[0];
    EXPECT_TRUE(GetTaskCache()->Find(soon)->done);
    EXPECT_EQ(GetTaskCache()->Find(soon)->idRecord, record);
    EXPECT_FALSE(GetTaskCache()->Find(overdue)->done);
    EXPECT_FALSE(GetTaskCache()->Find(later)->done);
    EXPECT_FALSE(GetTaskCache()->Find(feeding)->done);
}

TEST_P(FormRefusalsTest, RecordDatedAfterTodayAsksOnceBeforeItIsStored)
{
    const std::int32_t colony = AddColony();
    InspectData inspect;
    inspect.record.id_family = colony;
    inspect.record.date = ParseDateText(u"01.05.2031");
    inspect.record.hives.push_back({});
    const std::int32_t record = journal.AddInspect(inspect);
    ASSERT_NE(record, 0);
    CChangeInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, record);
    Type(page, 4, u"7");
    boxes.Answer(IDNO);
    PressButton(page, IdSaveButton);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::FutureDateNotice) + u" 01.05.2031"), std::u16string::npos);
    EXPECT_EQ(GetJournalCache()->FindRecord(record)->strength, 0);

    // Today is no later than today.
    page.Destroy();
    inspect.record.date = CurrentTime();
    ASSERT_TRUE(journal.UpdateInspect(inspect = { record, inspect.record, {} }));
    Open(page, record);
    PressButton(page, IdSaveButton);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(host.actions.size(), 1u);
}

TEST_P(FormRefusalsTest, NumberTooLongForItsFieldIsToldOnceInsteadOfBeingCut)
{
    const std::int32_t colony = AddColony();
    CAddInspectView page(&state, journal, [](CWnd*, std::int32_t) { return std::optional<PickedHousing>(); });
    Open(page, colony);
    Type(page, 3, u"123456789");
    EXPECT_EQ(Row(page, 3)->GetValue(), u"123456789");
    EXPECT_TRUE(boxes.Calls().empty());
    UiTest::TypeText(&page, u"0");
    UiTest::ProcessEvents();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::NumberTooLong));
    EXPECT_EQ(Row(page, 3)->GetValue(), u"123456789");

    // A pasted number that is too long says so once, not once per digit.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, u"99999999999");
    CloseClipboard();
    CEditorItem* strength = Row(page, 4);
    UiTest::Click(&page, strength->Width() * 3 / 4, strength->GetTop() + 4);
    UiTest::KeyPress(&page, 'V', MK_CONTROL);
    UiTest::ProcessEvents();
    EXPECT_EQ(boxes.Calls().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Languages, FormRefusalsTest, ShippedLanguages(), LanguageName);
