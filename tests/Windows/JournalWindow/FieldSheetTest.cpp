#include "TablePageFixture.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "ColonyCare.h"
#include "ColonyEventCache.h"
#include "ExportCommand.h"
#include "JournalHandlers.h"
#include "MarkingColour.h"
#include "Menu.h"
#include "PdfText.h"
#include "Printers.h"
#include "PrintJob.h"
#include "SchemaMigrations.h"
#include "TaskCache.h"
#include "Tr.h"
#include "VarroaThresholds.h"

namespace {
// Site Meadow: Linden with a record, a queen, a mite count and two tasks; Acacia with nothing yet;
// Clover, lost. Site Field: Buckwheat.
class FieldSheetTest : public TablePageTest
{
protected:
    FieldSheetTest()
        : printers({ u"Office" }, u"Office")
    {
        Start(kMainSettingsKey, {});
        SchemaMigrations::Migrate(CDatabaseLease().get());
        for (auto load : { +[] { GetCareCache()->Load(CDatabaseLease().get()); },
                 +[] { GetTaskCache()->Load(CDatabaseLease().get()); },
                 +[] { GetColonyEventCache()->Load(CDatabaseLease().get()); } })
            load();
        meadow = AddPoint(u"Луг");
        linden = AddFamily(meadow, u"Липа");
        AddFamily(meadow, u"Акация");
        const std::int32_t clover = AddFamily(meadow, u"Клевер");
        field = AddPoint(u"Поле");
        AddFamily(field, u"Гречиха");
        pdf = (m_dir.Path() / "sheet.pdf").string();

        InspectData inspect;
        inspect.record.id_family = linden;
        inspect.record.date = LocalMidnight(2026, 5, 17);
        inspect.record.frame = 11;
        inspect.record.strength = 9;
        inspect.record.hives = { Hive(4, 3), Hive(2, 5) };
        EXPECT_TRUE(journal->AddInspect(inspect));
        CQueenBeeCache::QueenBee queen;
        queen.name = u"Марта";
        queen.id_family = linden;
        queen.date = LocalMidnight(2025, 6, 1);
        EXPECT_NE(GetJournalHandlers()->queens.Add(queen), 0);
        MiteCount wash;
        wash.id_family = linden;
        wash.date = DaysAfter(today, -2);
        wash.method = MiteMethod::AlcoholWash;
        wash.mites = 9;
        wash.sample = 300;
        EXPECT_NE(GetJournalHandlers()->care.AddMiteCount(wash), 0);
        AddTask(u"Дать рамки", DaysAfter(today, 3));
        AddTask(u"Откачка", DaysAfter(today, 30));
        CLoseColonyOperation::content loss;
        loss.id_family = clover;
        loss.date = DaysAfter(today, -10);
        loss.cause = LossCause::Starvation;
        EXPECT_NE(GetJournalHandlers()->colonyEvents.Lose(loss), 0);
    }

    static CJournalCache::HiveRow Hive(std::int32_t brood, std::int32_t honey)
    {
        CJournalCache::HiveRow hive;
        hive.name_housing = u"Улей";
        hive.brood = brood;
        hive.honey = honey;
        return hive;
    }

    void AddTask(const std::u16string& title, std::int64_t due)
    {
        Task task;
        task.title = title;
        task.due = due;
        task.colonies = { linden };
        ASSERT_NE(GetJournalHandlers()->tasks.Add(task), 0);
    }

    // The sheet's pages as printed from the export menu's entry.
    std::vector<std::string> Printed(UINT entry)
    {
        PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
        menus.Choose(entry);
        CExportCommand(&host, nullptr, 0).Run({});
        EXPECT_EQ(responder.Requests().size(), 1u);
        if (!responder.Requests().empty()) {
            EXPECT_TRUE(responder.Requests()[0].landscape);
            EXPECT_EQ(responder.Requests()[0].document,
                Tr(StringId::FieldSheetTitle) + u": " + (entry == CExportCommand::IdFieldSheets ? u"Луг" : u"Поле"));
        }
        return PdfPageTexts(pdf);
    }

    static bool Has(const std::string& text, const std::u16string& part)
    {
        return text.find(ToUtf8(part)) != std::string::npos;
    }

    const std::int64_t today = DaysAfter(CurrentTime(), 0);
    std::int32_t meadow = 0;
    std::int32_t field = 0;
    std::int32_t linden = 0;
    PrinterListOverride printers;
    MenuResponder menus;
    std::string pdf;
};
}

TEST_P(FieldSheetTest, ASitesSheetHasALinePerLivingColonyWithItsFiguresQueenVarroaAndTasksAndRoomToWrite)
{
    const std::vector<std::string> pages = Printed(CExportCommand::IdFieldSheets);
    // The menu offers a sheet per site.
    ASSERT_EQ(menus.Calls().size(), 1u);
    std::vector<std::u16string> entries;
    for (const CMenu::Item& item : menus.Calls()[0].items)
        entries.push_back(item.text);
    EXPECT_NE(std::find(entries.begin(), entries.end(), TrFilled(StringId::FieldSheetMenu, { u"Поле" })), entries.end());

    ASSERT_EQ(pages.size(), 1u);
    const std::string& text = pages[0];
    for (std::int32_t caption : { StringId::QueenColumn, StringId::VarroaColumn, StringId::FieldEggs,
             StringId::FieldStores, StringId::FieldNotes })
        EXPECT_TRUE(Has(text, Tr(caption))) << ToUtf8(Tr(caption));
    // The colony's last record, its hives' brood and honey added up, its queen with her year and colour.
    ASSERT_TRUE(Has(text, u"Липа"));
    for (const char16_t* figure : { u"17.05.2026", u"11", u"9", u"6", u"8", u"Марта", u"2025" })
        EXPECT_TRUE(Has(text.substr(text.find("Липа")), figure)) << ToUtf8(figure);
    EXPECT_TRUE(Has(text, MarkingColourWord(2025)));
    EXPECT_EQ(MarkingColourWord(2025), Tr(StringId::MarkingBlue));
    EXPECT_TRUE(Has(text, VarroaMarkOf(linden, today, SavedMiteThresholds()).text.substr(0, 6)));
    // The task of this week, not the one of next month.
    EXPECT_TRUE(Has(text, u"Дать рамки"));
    EXPECT_TRUE(Has(text, FormatDateText(DaysAfter(today, 3))));
    EXPECT_FALSE(Has(text, u"Откачка"));
    // Acacia has a line to fill in; the lost colony and the other site's have none.
    EXPECT_TRUE(Has(text, u"Акация"));
    EXPECT_FALSE(Has(text, u"Клевер"));
    EXPECT_FALSE(Has(text, u"Гречиха"));
}

TEST_P(FieldSheetTest, ALargeSiteRunsOverSeveralSheetsEachWithTheColumnHeads)
{
    for (int number = 1; number <= 45; ++number)
        AddFamily(field, u"Семья-" + IntToText(number));
    const std::vector<std::string> pages = Printed(CExportCommand::IdFieldSheets + 1);
    ASSERT_GE(pages.size(), 2u);
    for (const std::string& page : pages)
        EXPECT_TRUE(Has(page, Tr(StringId::FieldNotes)));
    EXPECT_TRUE(Has(pages.front(), u"Семья-1"));
    EXPECT_TRUE(Has(pages.back(), u"Семья-45"));
    EXPECT_FALSE(Has(pages.front(), u"Семья-45"));
}

INSTANTIATE_TEST_SUITE_P(Languages, FieldSheetTest, ShippedLanguages(), LanguageName);
