#include "Calendar.h"
#include "CareCache.h"
#include "HandlersFixture.h"
#include "SchemaMigrations.h"

namespace {
// Site North with three colonies, site South with one; one medicine and one feed.
class CareHandlerTest : public HandlersFixture
{
protected:
    CareHandlerTest()
    {
        SchemaMigrations::Migrate(CDatabaseLease().get());
        LoadJournalStores(CDatabaseLease().get());
        north = AddPoint(u"North");
        south = AddPoint(u"South");
        anna = AddFamily(north, u"Anna");
        berta = AddFamily(north, u"Berta");
        clara = AddFamily(north, u"Clara");
        dora = AddFamily(south, u"Dora");
        TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
        product = care.SaveProduct(strips);
        FeedType syrup { 0, u"Syrup 1:1", 0.5, 1.23 };
        feed = care.SaveFeedType(syrup);
    }

    Treatment StripsFor(std::vector<std::int32_t> colonies) const
    {
        Treatment treatment;
        treatment.id_product = product;
        treatment.batch = u"B-2291";
        treatment.dose = 2;
        treatment.unit = u"strips";
        treatment.date_start = LocalMidnight(2026, 8, 20);
        treatment.date_end = LocalMidnight(2026, 9, 30);
        treatment.withdrawal_days = 14;
        treatment.colonies = std::move(colonies);
        return treatment;
    }

    std::int32_t north = 0;
    std::int32_t south = 0;
    std::int32_t anna = 0;
    std::int32_t berta = 0;
    std::int32_t clara = 0;
    std::int32_t dora = 0;
    std::int32_t product = 0;
    std::int32_t feed = 0;
    CCareHandler& care = journal.care;
    const CCareCache& store = *GetCareCache();
};
}

TEST_F(CareHandlerTest, ATreatmentOfAWholeSiteStoresOneEntryForEachColonyAndSurvivesAColonysDeletion)
{
    ASSERT_NE(product, 0);
    Treatment site = StripsFor({ anna, berta, clara });
    const std::int32_t id = care.AddTreatment(site);
    ASSERT_NE(id, 0);
    EXPECT_EQ(site.id, id);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments"), 1);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies WHERE kind=1"), 3);

    for (std::int32_t colony : { anna, berta, clara }) {
        ASSERT_NE(store.LatestTreatmentOf(colony), nullptr);
        EXPECT_EQ(WithdrawalEnd(*store.LatestTreatmentOf(colony)), LocalMidnight(2026, 10, 14));
    }
    EXPECT_EQ(store.LatestTreatmentOf(dora), nullptr);
    EXPECT_NE(store.WithholdingOn(berta, LocalMidnight(2026, 10, 14)), nullptr);
    EXPECT_EQ(store.WithholdingOn(berta, LocalMidnight(2026, 10, 15)), nullptr);
    EXPECT_EQ(store.WithholdingOn(dora, LocalMidnight(2026, 9, 1)), nullptr);

    // The register keeps a treatment whatever happens to a colony it was given to.
    ASSERT_TRUE(journal.colonies.Delete(berta));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments"), 1);
    ASSERT_NE(store.FindTreatment(id), nullptr);
    EXPECT_EQ(store.FindTreatment(id)->colonies, (std::vector<std::int32_t> { anna, clara }));
    // A medicine that a treatment names stays.
    EXPECT_FALSE(care.DeleteProduct(product));
    EXPECT_NE(store.FindProduct(product), nullptr);
    EXPECT_EQ(boxes.Calls().size(), 1u);

    ASSERT_TRUE(care.DeleteTreatment(id));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies"), 0);
    EXPECT_TRUE(store.Treatments().empty());
    EXPECT_TRUE(care.DeleteProduct(product));
    EXPECT_TRUE(store.Products().empty());
}

TEST_F(CareHandlerTest, AnEntryThatCannotBeRightIsToldOnceAndWritesNothing)
{
    Treatment none = StripsFor({});
    Treatment backwards = StripsFor({ anna });
    backwards.date_end = LocalMidnight(2026, 8, 1);
    Treatment noDose = StripsFor({ anna });
    noDose.dose = 0;
    Treatment unknown = StripsFor({ anna });
    unknown.id_product = product + 100;
    Treatment goneColony = StripsFor({ anna, 999 });
    for (Treatment* treatment : { &none, &backwards, &noDose, &unknown, &goneColony })
        EXPECT_EQ(care.AddTreatment(*treatment), 0);
    Feeding noFeed { 0, 0, 5.0, FeedUnit::Litres, LocalMidnight(2026, 9, 1), u"", { anna } };
    EXPECT_EQ(care.AddFeeding(noFeed), 0);
    Harvest emptySuper { 0, anna, LocalMidnight(2026, 7, 1), u"", u"", u"", { 12.0, 0.0 } };
    EXPECT_EQ(care.AddHarvest(emptySuper), 0);
    TreatmentProduct nameless { 0, u"  ", u"", u"", 1.0, u"", 0 };
    EXPECT_EQ(care.SaveProduct(nameless), 0);

    EXPECT_EQ(boxes.Calls().size(), 8u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM feedings"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvests"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM care_colonies"), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatment_products"), 1);
}

TEST_F(CareHandlerTest, FeedingsAndHarvestsAddUpAndALotTracesToItsColonies)
{
    Feeding autumn { 0, feed, 6.0, FeedUnit::Litres, LocalMidnight(2026, 9, 1), u"", { anna, berta, clara } };
    ASSERT_NE(care.AddFeeding(autumn), 0);
    Feeding spring { 0, feed, 2.0, FeedUnit::Kilograms, LocalMidnight(2027, 4, 1), u"", { anna } };
    ASSERT_NE(care.AddFeeding(spring), 0);
    std::map<std::int32_t, FeedType> types(store.FeedTypes().begin(), store.FeedTypes().end());
    const auto season = FeedingsByColony(store.Feedings(), types, 2026);
    EXPECT_EQ(season.size(), 3u);
    EXPECT_NEAR(season.at(berta).sugar, 6.0 * 1.23 * 0.5, 1e-9);
    EXPECT_EQ(store.FeedingsOf(anna).size(), 2u);
    EXPECT_EQ(store.FeedingsOf(dora).size(), 0u);

    Harvest fromAnna { 0, anna, LocalMidnight(2026, 7, 10), u"2026-01", u"linden", u"", { 12.5, 14.0 } };
    Harvest fromDora { 0, dora, LocalMidnight(2026, 7, 11), u"2026-01", u"linden", u"", { 9.25 } };
    Harvest otherLot { 0, berta, LocalMidnight(2026, 7, 11), u"2026-02", u"", u"", { 8.0 } };
    for (Harvest* harvest : { &fromAnna, &fromDora, &otherLot })
        ASSERT_NE(care.AddHarvest(*harvest), 0);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvest_supers"), 4);
    const std::vector<const Harvest*> lot = store.HarvestsOfLot(u"2026-01");
    ASSERT_EQ(lot.size(), 2u);
    EXPECT_EQ(lot[0]->id_family, anna);
    EXPECT_EQ(lot[0]->supers, (std::vector<double> { 12.5, 14.0 }));
    EXPECT_EQ(lot[1]->id_family, dora);
    EXPECT_DOUBLE_EQ(HarvestByColony(store.Harvests(), 2026).at(anna), 26.5);

    // A colony's deletion takes its harvests and their supers; the lot keeps the others.
    ASSERT_TRUE(journal.colonies.Delete(anna));
    EXPECT_EQ(store.HarvestsOfLot(u"2026-01").size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvest_supers"), 2);
    EXPECT_EQ(store.FindFeeding(autumn.id)->colonies, (std::vector<std::int32_t> { berta, clara }));
    ASSERT_TRUE(care.DeleteHarvest(otherLot.id));
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM harvest_supers"), 1);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CareHandlerTest, AJournalWithoutTheCareTablesRefusesCareWithOneMessage)
{
    Exec(u"DROP TABLE care_colonies");
    LoadJournalStores(CDatabaseLease().get());
    Treatment treatment = StripsFor({ anna });
    EXPECT_EQ(care.AddTreatment(treatment), 0);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(Count(u"SELECT COUNT(*) FROM treatments"), 0);
}
