#include "TablePageFixture.h"

#include "BookParts.h"
#include "Calendar.h"
#include "CareCache.h"
#include "ExportCommand.h"
#include "FileDialog.h"
#include "JournalHandlers.h"
#include "Menu.h"
#include "SchemaMigrations.h"

namespace {
// Two colonies at a site, one with her queen; a treatment of both, a feeding and a harvest.
class CareSheetsTest : public TablePageTest
{
protected:
    CareSheetsTest()
    {
        Start(kMainSettingsKey, {});
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
        const std::int32_t site = AddPoint(u"Луг");
        linden = AddFamily(site, u"Липа");
        acacia = AddFamily(site, u"Акация");
        CQueenBeeCache::QueenBee queen;
        queen.name = u"Зорька";
        queen.id_family = linden;
        queen.date = LocalMidnight(2024, 5, 20);
        GetJournalHandlers()->queens.Add(queen);

        CCareHandler& care = GetJournalHandlers()->care;
        TreatmentProduct acid { 0, u"Щавелевая кислота", u"щавелевая кислота", u"раствор", 5.0, u"мл", 0 };
        care.SaveProduct(acid);
        Treatment treatment;
        treatment.id_product = acid.id;
        treatment.batch = u"OX-7";
        treatment.dose = 5.5;
        treatment.unit = u"мл";
        treatment.date_start = treatment.date_end = LocalMidnight(2026, 11, 20);
        treatment.colonies = { linden, acacia };
        care.AddTreatment(treatment);
        FeedType syrup { 0, u"Сироп 3:2", 0.6, 1.29 };
        care.SaveFeedType(syrup);
        Feeding feeding { 0, syrup.id, 2.0, FeedUnit::Kilograms, LocalMidnight(2026, 9, 1), u"", { acacia } };
        care.AddFeeding(feeding);
        Harvest harvest { 0, linden, LocalMidnight(2026, 7, 10), u"2026-01", u"липовый", u"", { 12.5, 14.0 } };
        care.AddHarvest(harvest);
        MiteCount board;
        board.id_family = acacia;
        board.date = LocalMidnight(2026, 8, 3);
        board.method = MiteMethod::StickyBoard;
        board.mites = 10;
        board.days = 4;
        care.AddMiteCount(board);
    }

    std::int32_t linden = 0;
    std::int32_t acacia = 0;
    MenuResponder menus;
    FileDialogResponder files;
};
}

TEST_P(CareSheetsTest, TheJournalToReadEndsWithTheCaresSheetsTypedAndNamed)
{
    const std::filesystem::path file = m_dir.Path() / "readable.xlsx";
    menus.Choose(CExportCommand::IdReadableBook);
    files.Answer(FromPath(file));
    CExportCommand(&host, nullptr, 0).Run({});
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, Text(StringId::ExportBookDone) + u"\n" + FromPath(file));

    const BookParts book(file);
    const std::vector<std::u16string> names = book.SheetNames();
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(std::vector<std::u16string>(names.begin() + 8, names.end()),
        (std::vector<std::u16string> { Text(StringId::TreatmentsSheetName), Text(StringId::FeedingsSheetName),
            Text(StringId::HarvestsSheetName), Text(StringId::MiteCountsSheetName) }));

    const auto& treatments = book.Cells(9);
    EXPECT_EQ(treatments.at("A2").type, "datetime");
    EXPECT_EQ(treatments.at("A2").value, u"2026-11-20");
    EXPECT_EQ(treatments.at("C2").value, u"Щавелевая кислота");
    EXPECT_EQ(treatments.at("E2").value, u"OX-7");
    EXPECT_EQ(treatments.at("F2").type, "float");
    EXPECT_EQ(treatments.at("F2").value, u"5.5");
    EXPECT_EQ(treatments.at("J2").value, u"2026-11-20");
    EXPECT_EQ(treatments.at("L2").value, u"Липа, Акация");

    // A feeding by weight: 2 kg of a feed of 60 % sugar.
    const auto& feedings = book.Cells(10);
    EXPECT_EQ(feedings.at("B2").value, u"Сироп 3:2");
    EXPECT_EQ(feedings.at("E2").type, "float");
    EXPECT_EQ(feedings.at("E2").value, u"1.2");
    EXPECT_EQ(feedings.at("F2").value, u"Акация");

    // The harvest traces to its colony and her queen.
    const auto& harvests = book.Cells(11);
    EXPECT_EQ(harvests.at("C2").value, u"Липа");
    EXPECT_EQ(harvests.at("D2").value, u"Луг");
    EXPECT_EQ(harvests.at("E2").value, u"2");
    EXPECT_EQ(harvests.at("F2").value, u"26.5");
    EXPECT_EQ(harvests.at("I2").value, u"2026-01");
    EXPECT_EQ(harvests.at("J2").value, u"Зорька");

    // A board's count: its days, and mites a day as a number.
    const auto& counts = book.Cells(12);
    EXPECT_EQ(counts.at("C2").value, u"Акация");
    EXPECT_EQ(counts.at("D2").value, Text(StringId::MethodStickyBoard));
    EXPECT_EQ(counts.at("G2").type, "int");
    EXPECT_EQ(counts.at("G2").value, u"4");
    EXPECT_EQ(counts.at("H2").value, u"2.5");
}

INSTANTIATE_TEST_SUITE_P(Languages, CareSheetsTest, ShippedLanguages(), LanguageName);
