#include "CareCache.h"
#include "CareDialog.h"
#include "CareDictionaryDialog.h"
#include "CareWords.h"
#include "ColonyHistoryFixture.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "Dialog.h"
#include "ListBox.h"
#include "ListColumn.h"
#include "Registry.h"
#include "TaskCache.h"
#include "TaskOffers.h"
#include "ViewSetting.h"
#include "ViewTable.h"
#include "Tr.h"

#include <algorithm>

namespace {
// Linden's history with the care's tables, one medicine and one feed.
class CareDialogTest : public ColonyHistoryPageTest
{
protected:
    CareDialogTest()
    {
        GetCareCache()->Load(CDatabaseLease().get());
        GetTaskCache()->Load(CDatabaseLease().get());
        TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
        product = GetJournalHandlers()->care.SaveProduct(strips);
        FeedType syrup { 0, u"Syrup 1:1", 0.5, 1.23 };
        GetJournalHandlers()->care.SaveFeedType(syrup);
        UiTest::ProcessEvents();
    }

    // Opens the care's dialog from Linden's History page; the action fills it, and may open others.
    void Enter(int button, const std::function<void(CDialog&)>& fill, int dialogsShown = 1)
    {
        ShowHistory(u"Linden");
        ASSERT_NE(Page(), nullptr);
        dialogs.Then(fill);
        CWnd* care = Page()->GetDlgItem(CColonyHistoryView::IdCareButtons + button);
        ASSERT_NE(care, nullptr);
        ASSERT_TRUE(care->IsWindowEnabled());
        UiTest::Click(care, 5, 5);
        UiTest::ProcessEvents(20);
        ASSERT_EQ(dialogs.Count(), dialogsShown);
    }

    static void Type(CDialog& dialog, UINT id, const std::u16string& text)
    {
        CWnd* field = dialog.GetDlgItem(static_cast<int>(id));
        field->SetWindowText(u"");
        UiTest::TypeText(field, text);
    }
    static void Ok(CDialog& dialog) { UiTest::Click(dialog.GetDlgItem(IDOK), 5, 5); }

    bool HistoryHas(const std::u16string& part)
    {
        const Labels what = Column(1281);
        return std::any_of(what.begin(), what.end(), [&](const std::u16string& text) { return text.find(part) != std::u16string::npos; });
    }

    std::int32_t product = 0;
    DialogResponder dialogs;
};
}

TEST_P(CareDialogTest, ATreatmentOfTheWholeSiteTakesTheMedicinesDefaultsAndShowsInEachHistory)
{
    Enter(0, [&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::TreatmentTitle) + u": Linden");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdDose)->GetWindowText(), u"2");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdWithdrawal)->GetWindowText(), u"14");
        auto* colonies = dynamic_cast<CListBox*>(dialog.GetDlgItem(CCareDialog::IdColonies));
        ASSERT_NE(colonies, nullptr);
        // The colonies of Linden's site, Linden chosen.
        ASSERT_EQ(colonies->GetCount(), 2);
        EXPECT_EQ(colonies->GetSelCount(), 1);
        UiTest::Click(dialog.GetDlgItem(CCareDialog::IdWholeSite), 5, 5);
        EXPECT_EQ(colonies->GetSelCount(), 2);
        Type(dialog, CCareDialog::IdBatch, u"B-2291");
        Type(dialog, CCareDialog::IdDose, Russian() ? u"2,5" : u"2.5");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    // A treatment of one day offers only the mite count after it.
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(Text(StringId::FollowUpMiteCountTitle)), std::u16string::npos);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments WHERE batch='B-2291' AND dose=2.5 AND withdrawal_days=14"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies WHERE kind=1 AND id_family IN (3, 5)"), 2);
    EXPECT_TRUE(HistoryHas(u"Amitraz strips " + std::u16string(Russian() ? u"2,5" : u"2.5") + u" strips"));
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryWithheld,
        { FormatDateText(DaysAfter(CurrentTime(), 14)) })));
    ShowHistory(u"Acacia");
    EXPECT_TRUE(HistoryHas(u"B-2291"));
}

TEST_P(CareDialogTest, ATreatmentOffersItsEndAndAMiteCountAfterItAsTasksAndNoneOnceTurnedOff)
{
    WriteRegistryString(u"3", kFollowUpsKey, kMiteCountFollowUpValue);
    const std::int64_t end = DaysAfter(CurrentTime(), 14);
    boxes.Answer(IDYES);
    boxes.Answer(IDNO);
    auto treat = [&](CDialog& dialog) {
        static_cast<CDateTimeCtrl*>(dialog.GetDlgItem(CCareDialog::IdLastDay))->SetTime(end);
        Type(dialog, CCareDialog::IdBatch, u"B-7");
        Ok(dialog);
    };
    Enter(0, treat);
    const std::u16string endTitle = TrFilled(StringId::FollowUpTreatmentEndTitle, { u"Amitraz strips" });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text, TrFilled(StringId::FollowUpQuestion, { endTitle, u"Linden", FormatDateText(end) }));
    EXPECT_EQ(boxes.Calls()[1].text, TrFilled(StringId::FollowUpQuestion,
        { Text(StringId::FollowUpMiteCountTitle), u"Linden", FormatDateText(DaysAfter(end, 3)) }));
    // Only the follow-up answered yes is planned, for the treated colony on the treatment's last day.
    ASSERT_EQ(GetTaskCache()->Tasks().size(), 1u);
    const Task& planned = GetTaskCache()->Tasks().front();
    EXPECT_EQ(planned.title, endTitle);
    EXPECT_EQ(planned.kind, TaskKind::Treatment);
    EXPECT_EQ(planned.due, DaysAfter(end, 0));
    EXPECT_EQ(planned.colonies, std::vector<std::int32_t> { kLinden });
    EXPECT_TRUE(HistoryHas(endTitle));

    WriteRegistryString(kUnchecked, kFollowUpsKey, kOfferFollowUpsValue);
    boxes.ClearCalls();
    Enter(0, treat, 2);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments WHERE batch='B-7'"), 2);
    EXPECT_EQ(GetTaskCache()->Tasks().size(), 1u);
}

TEST_P(CareDialogTest, AHarvestInsideAWithdrawalAsksAndStoresOnlyOnYes)
{
    Treatment treatment;
    treatment.id_product = product;
    treatment.dose = 2;
    treatment.date_start = DaysAfter(CurrentTime(), -30);
    treatment.date_end = DaysAfter(CurrentTime(), -1);
    treatment.withdrawal_days = 14;
    treatment.colonies = { kLinden };
    ASSERT_NE(GetJournalHandlers()->care.AddTreatment(treatment), 0);

    boxes.Answer(IDNO);
    Enter(2, [&](CDialog& dialog) {
        Type(dialog, CCareDialog::IdSupers, Russian() ? u"12,5 14" : u"12.5 14");
        Type(dialog, CCareDialog::IdLot, u"2026-01");
        Ok(dialog);
        // Told the medicine and the day honey may be taken again; the harvest waits.
        ASSERT_EQ(boxes.Calls().size(), 1u);
        const std::u16string& warning = boxes.Calls()[0].text;
        EXPECT_NE(warning.find(u"Amitraz strips"), std::u16string::npos);
        EXPECT_NE(warning.find(FormatDateText(DaysAfter(CurrentTime(), 13))), std::u16string::npos);
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvests"), 0);
        boxes.Answer(IDYES);
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvests WHERE id_family=5 AND lot='2026-01'"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvest_supers WHERE weight IN (12.5, 14)"), 2);
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryHarvest, { Russian() ? u"26,5" : u"26.5", u"2" })));

    // A colony whose withdrawal has ended is not asked about.
    boxes.ClearCalls();
    dialogs.Then([&](CDialog& dialog) {
        Type(dialog, CCareDialog::IdSupers, u"9");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    ShowHistory(u"Acacia");
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdCareButtons + 2), 5, 5);
    UiTest::ProcessEvents(20);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvests WHERE id_family=3"), 1);
}

TEST_P(CareDialogTest, AFeedingForTwoColoniesIsDeletedFromTheHistoryWhenConfirmed)
{
    Enter(1, [&](CDialog& dialog) {
        Type(dialog, CCareDialog::IdAmount, u"abc");
        Ok(dialog);
        // Not a number: said once, nothing stored, the dialog stays.
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::CareRefusalAmount));
        EXPECT_FALSE(dialog.IsEnded());
        Type(dialog, CCareDialog::IdAmount, u"6");
        UiTest::Click(dialog.GetDlgItem(CCareDialog::IdWholeSite), 5, 5);
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM feedings WHERE amount=6 AND unit=1"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies WHERE kind=2"), 2);
    const std::u16string fed = TrFilled(StringId::HistoryFeeding, { u"Syrup 1:1", u"6 " + Text(StringId::UnitLitres) });
    ASSERT_TRUE(HistoryHas(fed));

    // The row chosen, then the delete, answered yes.
    CTableDrawer& grid = Page()->Grid().Drawer();
    for (const auto& row : grid.Rows()) {
        if (grid.GetCellText(row.get(), 1281) == fed)
            grid.SelectRow(row.get());
    }
    boxes.ClearCalls();
    boxes.Answer(IDYES);
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdDeleteCareButton), 5, 5);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM feedings"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies"), 0);
    EXPECT_FALSE(HistoryHas(fed));
}

TEST_P(CareDialogTest, TheMedicinesAreEditedFromTheTreatmentAndOfferedAtOnce)
{
    Enter(0, [&](CDialog& treatment) {
        dialogs.Then([&](CDialog& medicines) {
            EXPECT_EQ(medicines.GetWindowText(), Text(StringId::ProductsTitle));
            auto* list = dynamic_cast<CListBox*>(medicines.GetDlgItem(CCareDictionaryDialog::IdList));
            ASSERT_EQ(list->GetCount(), 1);
            EXPECT_EQ(medicines.GetDlgItem(CCareDictionaryDialog::IdWithdrawal)->GetWindowText(), u"14");
            // The medicine a treatment names stays; a new one is added; the first one changed.
            Treatment given;
            given.id_product = product;
            given.dose = 1;
            given.colonies = { kLinden };
            ASSERT_NE(GetJournalHandlers()->care.AddTreatment(given), 0);
            UiTest::Click(medicines.GetDlgItem(CCareDictionaryDialog::IdDelete), 5, 5);
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::CareRefusalProductInUse));
            Type(medicines, CCareDictionaryDialog::IdWithdrawal, u"21");
            UiTest::Click(medicines.GetDlgItem(CCareDictionaryDialog::IdSave), 5, 5);
            UiTest::Click(medicines.GetDlgItem(CCareDictionaryDialog::IdNew), 5, 5);
            EXPECT_EQ(medicines.GetDlgItem(CCareDictionaryDialog::IdName)->GetWindowText(), u"");
            Type(medicines, CCareDictionaryDialog::IdName, u"Formic acid 60 %");
            Type(medicines, CCareDictionaryDialog::IdDose, Russian() ? u"30,5" : u"30.5");
            Type(medicines, CCareDictionaryDialog::IdUnit, u"ml");
            Type(medicines, CCareDictionaryDialog::IdWithdrawal, u"0");
            UiTest::Click(medicines.GetDlgItem(CCareDictionaryDialog::IdSave), 5, 5);
            EXPECT_EQ(list->GetCount(), 2);
            UiTest::Click(medicines.GetDlgItem(IDCANCEL), 5, 5);
        });
        UiTest::Click(treatment.GetDlgItem(CCareDialog::IdDictionary), 5, 5);
        UiTest::ProcessEvents(20);
        auto* products = dynamic_cast<CComboBox*>(treatment.GetDlgItem(CCareDialog::IdProduct));
        EXPECT_EQ(products->GetCount(), 2);
        EXPECT_EQ(treatment.GetDlgItem(CCareDialog::IdWithdrawal)->GetWindowText(), u"14");
        UiTest::Click(treatment.GetDlgItem(IDCANCEL), 5, 5);
    }, 2);
    EXPECT_EQ(Count(u"SELECT withdrawal_days FROM treatment_products WHERE name='Amitraz strips'"), 21);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatment_products WHERE name='Formic acid 60 %' AND dose=30.5 AND unit='ml'"), 1);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_P(CareDialogTest, AMiteCountAboveItsThresholdIsMarkedInTheColoniesTableAndGivesATreatmentsEfficacy)
{
    Enter(3, [&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::MiteCountTitle) + u": Linden");
        auto* methods = dynamic_cast<CComboBox*>(dialog.GetDlgItem(CCareDialog::IdMiteMethod));
        ASSERT_NE(methods, nullptr);
        methods->SetCurSel(methods->FindStringExact(-1, Text(StringId::MethodAlcoholWash)));
        Type(dialog, CCareDialog::IdMites, u"12");
        Type(dialog, CCareDialog::IdSample, u"300");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts WHERE id_family=5 AND method=2 AND mites=12 AND sample=300"), 1);
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryMiteCount,
        { Text(StringId::MethodAlcoholWash), u"4 %" })));

    // 4 in 100 bees is above the threshold of 3: the colonies table says so in red.
    ClickTab(kRecordsTab);
    ClickItem(u"North");
    auto* colonies = dynamic_cast<CViewTable*>(Window()->GetDlgItem(IdPage));
    ASSERT_NE(colonies, nullptr);
    CTableDrawer& grid = colonies->Grid().Drawer();
    bool found = false;
    for (const auto& row : grid.Rows()) {
        if (row->id != kLinden)
            continue;
        for (const auto& cell : row->cells) {
            if (cell->header->ColumnId() == ColonyVarroaColumn) {
                found = true;
                EXPECT_EQ(cell->Text(), u"4 %, " + Text(StringId::VarroaAbove));
                EXPECT_EQ(cell->textColour, RGB(192, 0, 0));
            }
        }
    }
    EXPECT_TRUE(found);

    // Treated that day with its neighbour, and both counted again a week after: the treatment shows
    // its efficacy in this colony and on average.
    const auto addCount = [](std::int32_t colony, int days, int mites) {
        MiteCount count;
        count.id_family = colony;
        count.date = DaysAfter(CurrentTime(), days);
        count.method = MiteMethod::AlcoholWash;
        count.mites = mites;
        count.sample = 300;
        return GetJournalHandlers()->care.AddMiteCount(count);
    };
    constexpr std::int32_t kAcacia = 3;
    ASSERT_NE(addCount(kAcacia, -2, 10), 0);
    Treatment treatment;
    treatment.id_product = product;
    treatment.dose = 2;
    treatment.date_start = treatment.date_end = DaysAfter(CurrentTime(), 0);
    treatment.colonies = { kLinden, kAcacia };
    ASSERT_NE(GetJournalHandlers()->care.AddTreatment(treatment), 0);
    ASSERT_NE(addCount(kLinden, 7, 3), 0);
    ShowHistory(u"Linden");
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryEfficacy, { u"75" })));
    EXPECT_FALSE(HistoryHas(TrFilled(StringId::HistorySiteEfficacy, { u"75", u"1" })));
    ASSERT_NE(addCount(kAcacia, 7, 5), 0);
    ShowHistory(u"Linden");
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryEfficacy, { u"75" }) + u"; "
        + TrFilled(StringId::HistorySiteEfficacy, { DecimalText(62.5), u"2" })));
}

TEST_P(CareDialogTest, ASiteVisitsCountsGoFromColonyToColonyKeepingTheMethodAndSample)
{
    ShowHistory(u"Acacia");
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::MiteCountTitle) + u": Acacia");
        auto* methods = dynamic_cast<CComboBox*>(dialog.GetDlgItem(CCareDialog::IdMiteMethod));
        methods->SetCurSel(methods->FindStringExact(-1, Text(StringId::MethodSugarRoll)));
        Type(dialog, CCareDialog::IdMites, u"6");
        Type(dialog, CCareDialog::IdSample, u"300");
        CWnd* next = dialog.GetDlgItem(CCareDialog::IdSaveNext);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->GetWindowText(), Text(StringId::SaveAndNextColony));
        UiTest::Click(next, 5, 5);
        // Acacia's count is stored; Linden, the site's last colony, comes up to be counted alike.
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::MiteCountTitle) + u": Linden");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdMites)->GetWindowText(), u"");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdSample)->GetWindowText(), u"300");
        EXPECT_EQ(methods->GetWindowText(), Text(StringId::MethodSugarRoll));
        EXPECT_FALSE(next->IsWindowEnabled());
        // A refused count stays on its colony.
        Type(dialog, CCareDialog::IdMites, u"-3");
        Ok(dialog);
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_EQ(boxes.Calls().size(), 1u);
        // This sample measured by volume: a cup of bees.
        Type(dialog, CCareDialog::IdMites, u"12");
        Type(dialog, CCareDialog::IdSample, u"");
        Type(dialog, CCareDialog::IdSampleVolume, Russian() ? u"236,6" : u"236.6");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdCareButtons + 3), 5, 5);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts WHERE id_family=3 AND method=3 AND mites=6 AND sample=300"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts WHERE id_family=5 AND method=3 AND mites=12 AND sample=600"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM mite_counts"), 2);
}

TEST_P(CareDialogTest, ATaskPlannedForTheSiteShowsInEachHistoryAndIsDoneFromItsRow)
{
    ShowHistory(u"Linden");
    const std::int64_t today = DaysAfter(CurrentTime(), 0);
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetWindowText(), Text(StringId::TaskDialogTitle) + u": Linden");
        EXPECT_FALSE(dialog.GetDlgItem(CCareDialog::IdTaskDone)->IsWindowEnabled());
        Type(dialog, CCareDialog::IdTitle, u"Check for eggs");
        auto* kinds = dynamic_cast<CComboBox*>(dialog.GetDlgItem(CCareDialog::IdTaskKind));
        kinds->SetCurSel(kinds->FindStringExact(-1, Text(StringId::TaskKindQueenCheck)));
        Type(dialog, CCareDialog::IdEveryDays, u"7");
        static_cast<CDateTimeCtrl*>(dialog.GetDlgItem(CCareDialog::IdLastDay))->SetTime(DaysAfter(today, 14));
        UiTest::Click(dialog.GetDlgItem(CCareDialog::IdWholeSite), 5, 5);
        // Not a time of day: said once, the dialog stays.
        Type(dialog, CCareDialog::IdTime, u"25:10");
        Ok(dialog);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::TaskRefusalTime));
        EXPECT_FALSE(dialog.IsEnded());
        Type(dialog, CCareDialog::IdTime, u"9:30");
        Ok(dialog);
        EXPECT_TRUE(dialog.IsEnded());
    });
    UiTest::Click(Page()->GetDlgItem(CColonyHistoryView::IdTaskButton), 5, 5);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks WHERE title='Check for eggs' AND kind=4 AND due_minutes=570 "
                    u"AND every_days=7 AND done=0"),
        1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies WHERE kind=3"), 2);
    const std::u16string planned = TrFilled(StringId::HistoryTask,
        { Text(StringId::TaskKindQueenCheck), u"Check for eggs", FormatDateText(today) + u" 09:30" });
    EXPECT_TRUE(HistoryHas(planned));
    ShowHistory(u"Acacia");
    ASSERT_TRUE(HistoryHas(planned));

    // Its row opens it on a double-click; Done moves it on a week.
    CTableDrawer& grid = Page()->Grid().Drawer();
    const CRect area = Page()->Grid().Area();
    int y = area.top + grid.BarHeight();
    for (const auto& row : grid.Rows()) {
        if (grid.GetCellText(row.get(), 1281) == planned) {
            y += row->height / 2;
            break;
        }
        y += row->height;
    }
    dialogs.Then([&](CDialog& dialog) {
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdTitle)->GetWindowText(), u"Check for eggs");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdTime)->GetWindowText(), u"09:30");
        EXPECT_EQ(dialog.GetDlgItem(CCareDialog::IdEveryDays)->GetWindowText(), u"7");
        CWnd* done = dialog.GetDlgItem(CCareDialog::IdTaskDone);
        ASSERT_TRUE(done->IsWindowEnabled());
        UiTest::Click(done, 5, 5);
        EXPECT_TRUE(dialog.IsEnded());
    });
    UiTest::Click(Page(), area.left + 5, y);
    UiTest::DoubleClick(Page(), area.left + 5, y);
    UiTest::ProcessEvents(20);
    ASSERT_EQ(dialogs.Count(), 2);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM tasks WHERE done=0"), 1);
    EXPECT_TRUE(HistoryHas(TrFilled(StringId::HistoryTask,
        { Text(StringId::TaskKindQueenCheck), u"Check for eggs", FormatDateText(DaysAfter(today, 7)) + u" 09:30" })));
}

INSTANTIATE_TEST_SUITE_P(Languages, CareDialogTest, ShippedLanguages(), LanguageName);
