#include "JournalWindowFixture.h"

#include "../ColonyEvents.h"
#include "ColonyEventsExport.h"
#include "CsvRows.h"
#include "RequeenOperation.h"
#include "SplitColonyOperation.h"

namespace {
class ColonyEventsExportTest : public JournalWindowTest
{
protected:
    CsvRows Read(const char* name)
    {
        bool failure = false;
        CsvRows rows = ParseCsv(ReadFileBytes((dir.Path() / "out" / name).string()), failure);
        EXPECT_FALSE(failure);
        return rows;
    }
    std::vector<std::u16string> Columns(std::int32_t id)
    {
        std::vector<std::u16string> columns;
        std::u16string text = Text(id);
        for (std::size_t end; (end = text.find(u';')) != std::u16string::npos; text.erase(0, end + 1))
            columns.push_back(text.substr(0, end));
        columns.push_back(text);
        return columns;
    }
};
}

TEST_P(ColonyEventsExportTest, TheWholeJournalsExportWritesTheEventsAndTheirQueensInTheUsersWords)
{
    CSplitColonyOperation split;
    split.record.id_family = 5;
    split.record.date = ParseDateText(u"10.05.2025");
    split.record.note = u"strong, \"early\"";
    split.record.name = u"Linden II";
    split.record.id_point = 65537;
    split.record.brood_frames = 3;
    split.record.honey_frames = 2;
    split.record.bee_frames = 1;
    split.record.daughter_queen = DaughterQueen::QueenCell;
    const std::int32_t splitEvent = RunColonyEvent(split);
    ASSERT_NE(splitEvent, 0);
    CRequeenOperation requeen;
    requeen.record.id_family = 3;
    requeen.record.date = ParseDateText(u"01.06.2025");
    requeen.record.new_name = u"Mira";
    const std::int32_t requeenEvent = RunColonyEvent(requeen);
    ASSERT_NE(requeenEvent, 0);
    const std::int32_t lossEvent = LoseColony(1, u"02.02.2026", LossCause::Poisoning);
    ASSERT_NE(lossEvent, 0);

    std::filesystem::create_directory(dir.Path() / "out");
    CDatabaseLease database;
    ASSERT_TRUE(ExportColonyEvents(database.get(), dir.Path() / "out", {}));
    const CsvRows events = Read("colony_events.csv");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], Columns(StringId::EventsFileColumns));
    EXPECT_EQ(events[1],
        (std::vector<std::u16string> { IntToText(splitEvent), u"2025-05-10", u"Linden", u"North",
            Text(StringId::EventMarkSplit), u"Linden II", u"", u"Far meadow", u"3", u"2", u"1",
            Text(StringId::DaughterQueenCell), u"", u"", u"strong, \"early\"" }));
    EXPECT_EQ(events[2],
        (std::vector<std::u16string> { IntToText(requeenEvent), u"2025-06-01", u"Acacia", u"North",
            Text(StringId::EventMarkRequeen), u"", u"", u"", u"", u"", u"", u"", u"", u"", u"" }));
    EXPECT_EQ(events[3],
        (std::vector<std::u16string> { IntToText(lossEvent), u"2026-02-02", u"Clover", u"Far meadow",
            Text(StringId::EventMarkLoss), u"", u"", u"", u"", u"", u"", u"", u"", Text(StringId::LossCausePoisoning),
            u"" }));
    const CsvRows queens = Read("colony_event_queens.csv");
    ASSERT_EQ(queens.size(), 2u);
    EXPECT_EQ(queens[0], Columns(StringId::EventQueensFileColumns));
    EXPECT_EQ(queens[1],
        (std::vector<std::u16string> { IntToText(requeenEvent), u"Mira", Text(StringId::QueenFateIntroduced),
            Text(StringId::AnswerYes), u"", u"Acacia", u"", Text(StringId::AnswerNo) }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyEventsExportTest, ShippedLanguages(), LanguageName);
