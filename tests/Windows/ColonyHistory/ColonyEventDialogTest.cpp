#include "ColonyEventDialog.h"
#include "ColonyHistoryFixture.h"
#include "ComboBox.h"
#include "Dialog.h"
#include "Registry.h"
#include "TaskCache.h"
#include "TaskOffers.h"
#include "Tr.h"

namespace {
class ColonyEventDialogTest : public ColonyHistoryPageTest
{
protected:
    // Opens the event's dialog from Linden's History page; the action fills it.
    void Enter(ColonyEventKind kind, const std::function<void(CDialog&)>& fill)
    {
        ShowHistory(u"Linden");
        ASSERT_NE(Page(), nullptr);
        dialogs.Then([&](CDialog& dialog) {
            EXPECT_EQ(dialog.GetWindowText().find(Text(StringId::EventKindSplit + static_cast<int>(kind) - 1)), 0u);
            fill(dialog);
        });
        CWnd* button = Page()->GetDlgItem(CColonyHistoryView::IdEventButtons + static_cast<int>(kind) - 1);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsWindowEnabled());
        UiTest::Click(button, 5, 5);
        UiTest::ProcessEvents(20);
        ASSERT_EQ(dialogs.Count(), 1);
    }

    static void Choose(CDialog& dialog, UINT id, const std::u16string& text)
    {
        auto* combo = dynamic_cast<CComboBox*>(dialog.GetDlgItem(static_cast<int>(id)));
        ASSERT_NE(combo, nullptr);
        const int index = combo->FindStringExact(-1, text);
        ASSERT_GE(index, 0) << "no entry";
        combo->SetCurSel(index);
    }
    static void Type(CDialog& dialog, UINT id, const std::u16string& text)
    {
        UiTest::TypeText(dialog.GetDlgItem(static_cast<int>(id)), text);
    }
    static void Ok(CDialog& dialog) { UiTest::Click(dialog.GetDlgItem(IDOK), 5, 5); }

    std::u16string LastWhat()
    {
        const Labels what = Column(1281);
        return what.empty() ? std::u16string() : what.back();
    }

    DialogResponder dialogs;
};
}

TEST_P(ColonyEventDialogTest, AMoveTakesTheColonyToTheChosenSite)
{
    Enter(ColonyEventKind::Move, [&](CDialog& dialog) {
        auto* sites = dynamic_cast<CComboBox*>(dialog.GetDlgItem(CColonyEventDialog::IdSite));
        // The site it is at is not offered.
        EXPECT_LT(sites->FindStringExact(-1, u"North"), 0);
        Choose(dialog, CColonyEventDialog::IdSite, u"Far meadow");
        Type(dialog, CColonyEventDialog::IdNote, u"for heather");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(Count(u"SELECT id_point FROM families WHERE id_family=5"), kFarMeadow);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events WHERE kind=5 AND id_point_from=1 AND note='for heather'"), 1);
    EXPECT_EQ(LastWhat(), ReplaceAll(ReplaceAll(Text(StringId::HistoryMoved), u"%1", u"North"), u"%2", u"Far meadow"));
    EXPECT_EQ(Tree()->GetItemText(Tree()->GetParentItem(Item(u"Linden"))), u"Far meadow");
}

TEST_P(ColonyEventDialogTest, ASplitFromTheDialogIsANewDaughterInTheLineage)
{
    Enter(ColonyEventKind::Split, [&](CDialog& dialog) {
        Type(dialog, CColonyEventDialog::IdName, u"Linden III");
        Type(dialog, CColonyEventDialog::IdBrood, u"2");
        Type(dialog, CColonyEventDialog::IdBees, u"1");
        Choose(dialog, CColonyEventDialog::IdDaughterQueen, Text(StringId::DaughterQueenCell));
        Ok(dialog);
    });
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events WHERE kind=1 AND brood_frames=2 AND bee_frames=1 "
                    u"AND daughter_queen=2"),
        1);
    EXPECT_EQ(Count(u"SELECT id_point FROM families WHERE name='Linden III'"), 1);
    EXPECT_EQ(Links(), (Labels { u"Linden II", u"Linden III" }));
    EXPECT_NE(Item(u"Linden III"), nullptr);
}

TEST_P(ColonyEventDialogTest, ASplitAndARequeeningOfferToCheckTheNewQueenDaysLater)
{
    GetTaskCache()->Load(CDatabaseLease().get());
    WriteRegistryString(u"18", kFollowUpsKey, kSplitFollowUpValue);
    const std::int64_t day = DaysAfter(CurrentTime(), 0);
    // The daughter raises its queen from a cell: it is checked, 18 days on as set.
    boxes.Answer(IDYES);
    Enter(ColonyEventKind::Split, [&](CDialog& dialog) {
        Type(dialog, CColonyEventDialog::IdName, u"Linden III");
        Choose(dialog, CColonyEventDialog::IdDaughterQueen, Text(StringId::DaughterQueenCell));
        Ok(dialog);
    });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, TrFilled(StringId::FollowUpQuestion,
        { Text(StringId::FollowUpSplitTitle), u"Linden III", FormatDateText(DaysAfter(day, 18)) }));
    ASSERT_EQ(GetTaskCache()->Tasks().size(), 1u);
    const Task laying = GetTaskCache()->Tasks().front();
    EXPECT_EQ(laying.kind, TaskKind::QueenCheck);
    EXPECT_EQ(laying.due, DaysAfter(day, 18));
    EXPECT_EQ(laying.colonies, std::vector<std::int32_t> { Count(u"SELECT id_family FROM families WHERE name='Linden III'") });

    // The daughter takes the old queen: the mother is to raise one. Declined, nothing is planned.
    CQueenBeeCache::QueenBee old;
    old.name = u"Old";
    old.id_family = kLinden;
    GetJournalHandlers()->queens.Add(old);
    boxes.ClearCalls();
    boxes.Answer(IDNO);
    dialogs.Then([&](CDialog& dialog) {
        Type(dialog, CColonyEventDialog::IdName, u"Linden IV");
        Choose(dialog, CColonyEventDialog::IdDaughterQueen, Text(StringId::DaughterQueenOld));
        Ok(dialog);
    });
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdEventButtons), 5, 5);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, TrFilled(StringId::FollowUpQuestion,
        { Text(StringId::FollowUpSplitTitle), u"Linden", FormatDateText(DaysAfter(day, 18)) }));
    EXPECT_EQ(GetTaskCache()->Tasks().size(), 1u);

    // A requeening: acceptance a week on, by default.
    CQueenBeeCache::QueenBee stella;
    stella.name = u"Stella";
    GetJournalHandlers()->queens.Add(stella);
    boxes.ClearCalls();
    boxes.Answer(IDYES);
    dialogs.Then([&](CDialog& dialog) {
        Choose(dialog, CColonyEventDialog::IdNewQueen, u"Stella");
        Ok(dialog);
    });
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdEventButtons + 2), 5, 5);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, TrFilled(StringId::FollowUpQuestion,
        { Text(StringId::FollowUpRequeenTitle), u"Linden", FormatDateText(DaysAfter(day, 7)) }));
    const std::vector<Task>& tasks = GetTaskCache()->Tasks();
    ASSERT_EQ(tasks.size(), 2u);
    const auto acceptance = std::find_if(tasks.begin(), tasks.end(),
        [](const Task& task) { return task.title == Text(StringId::FollowUpRequeenTitle); });
    ASSERT_NE(acceptance, tasks.end());
    EXPECT_EQ(acceptance->colonies, std::vector<std::int32_t> { kLinden });
}

TEST_P(ColonyEventDialogTest, ARefusedEventIsSaidAndTheDialogStaysOpen)
{
    Enter(ColonyEventKind::Split, [&](CDialog& dialog) {
        // No name for the new colony.
        Ok(dialog);
        EXPECT_FALSE(dialog.IsEnded());
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::EventRefusalBadChoice));
        UiTest::Click(dialog.GetDlgItem(IDCANCEL), 5, 5);
    });
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events"), 1);
}

TEST_P(ColonyEventDialogTest, ALossEndsTheColonyAndGreysItsEventButtons)
{
    Enter(ColonyEventKind::Loss, [&](CDialog& dialog) {
        Choose(dialog, CColonyEventDialog::IdCause, Text(StringId::LossCauseVarroa));
        Ok(dialog);
    });
    EXPECT_EQ(Count(u"SELECT cause FROM colony_events WHERE kind=6 AND id_family=5"), 2);
    EXPECT_EQ(LastWhat(), ReplaceAll(Text(StringId::HistoryLost), u"%1", Text(StringId::LossCauseVarroa)));
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_FALSE(Page()->GetDlgItem(CColonyHistoryView::IdEventButtons + kind)->IsWindowEnabled());
    EXPECT_TRUE(UndoButton()->IsWindowEnabled());
}

TEST_P(ColonyEventDialogTest, RequeenAndUniteTakeTheirQueensAndColonies)
{
    CQueenBeeCache::QueenBee stella;
    stella.name = u"Stella";
    stella.date = Day(u"01.05.2025");
    const std::int32_t idStella = GetJournalHandlers()->queens.Add(stella);
    Enter(ColonyEventKind::Requeen, [&](CDialog& dialog) {
        Choose(dialog, CColonyEventDialog::IdNewQueen, u"Stella");
        Ok(dialog);
    });
    EXPECT_EQ(Count(u"SELECT id_family FROM queen_bee WHERE id_queen_bee=" + IntToText(idStella)), kLinden);
    EXPECT_NE(LastWhat().find(Quoted(u"Stella")), std::u16string::npos);

    dialogs.Then([&](CDialog& dialog) {
        Choose(dialog, CColonyEventDialog::IdOtherColony, u"Acacia");
        Choose(dialog, CColonyEventDialog::IdRemovedQueen, Text(StringId::HistoryNone));
        Ok(dialog);
    });
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdEventButtons + 1), 5, 5);
    UiTest::ProcessEvents(20);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM colony_events WHERE kind=2 AND id_family=5 AND id_other_family=3"), 1);
    ASSERT_NE(Page(), nullptr);
    const auto& lineage = Page()->Lineage();
    EXPECT_TRUE(std::any_of(lineage.begin(), lineage.end(), [](const auto& piece) { return piece.idFamily == 3; }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyEventDialogTest, ShippedLanguages(), LanguageName);
