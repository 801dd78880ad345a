#include "CareColoniesTable.h"
#include "FeedTypesTable.h"
#include "HarvestSupersTable.h"
#include "HarvestsTable.h"
#include "SchemaMigrations.h"
#include "TableFixture.h"
#include "TreatmentProductsTable.h"
#include "TreatmentsTable.h"

#include "Calendar.h"
#include "Text.h"

#include <clocale>

namespace {
void SetProduct(CTreatmentProductsTable::content& row, const std::u16string& name, const std::u16string& substance,
    double dose, std::int32_t withdrawalDays)
{
    row.id_product = 0;
    row.name = name;
    row.substance = substance;
    row.dose = dose;
    row.withdrawal_days = withdrawalDays;
}

void SetLink(CCareColoniesTable::content& row, CareKind kind, std::int32_t idEntry, std::int32_t idFamily)
{
    row.kind = static_cast<std::int32_t>(kind);
    row.id_entry = idEntry;
    row.id_family = idFamily;
}

class CareTablesTest : public TableFixture
{
protected:
    CareTablesTest() { SchemaMigrations::Migrate(db.get()); }
};
}

TEST_F(CareTablesTest, AKeyedRowIsWrittenChangedAndDeletedWithItsDecimalsExact)
{
    // The journal's numbers must not follow a locale whose decimal mark is a comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    CTreatmentProductsTable products;
    SetProduct(products.record, u"Oxalic acid, trickled", u"oxalic acid", 0.1, 0);
    products.Insert(db.get());
    const std::int32_t oxalic = products.record.id_product;
    SetProduct(products.record, u"Strips of “O'Brien”", u"", 2.0, 14);
    products.Insert(db.get());
    EXPECT_EQ(products.record.id_product, oxalic + 1);
    std::setlocale(LC_NUMERIC, previous.c_str());

    CTreatmentProductsTable all;
    const auto rows = SelectFrom(all);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->name, u"Oxalic acid, trickled");
    EXPECT_EQ(rows[0]->dose, 0.1);
    EXPECT_EQ(rows[1]->name, u"Strips of “O'Brien”");
    EXPECT_EQ(rows[1]->withdrawal_days, 14);
    EXPECT_EQ(Column(u"SELECT typeof(dose) FROM treatment_products"), (std::vector<std::u16string> { u"real", u"real" }));

    CTreatmentProductsTable change;
    change.record = *rows[0];
    change.record.dose = 7.25;
    change.record.withdrawal_days = 3;
    change.Update(db.get());
    CTreatmentProductsTable one;
    one.record.id_product = oxalic;
    const auto changed = SelectFrom(one);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0]->dose, 7.25);
    EXPECT_EQ(changed[0]->withdrawal_days, 3);
    EXPECT_EQ(changed[0]->substance, u"oxalic acid");

    CTreatmentProductsTable gone;
    gone.record.id_product = oxalic;
    gone.Delete(db.get());
    // Without a key nothing is deleted.
    CTreatmentProductsTable keyless;
    keyless.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT name FROM treatment_products"), std::vector<std::u16string> { u"Strips of “O'Brien”" });
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CareTablesTest, ATreatmentsColoniesAndAHarvestsSupersGoWithTheirEntryOrColony)
{
    CTreatmentsTable treatments;
    treatments.record.id_product = 1;
    treatments.record.date_start = LocalMidnight(2026, 8, 20);
    treatments.record.date_end = LocalMidnight(2026, 9, 30);
    treatments.record.dose = 2;
    treatments.Insert(db.get());
    for (std::int32_t colony : { 5, 6, 7 }) {
        CCareColoniesTable link;
        SetLink(link.record, CareKind::Treatment, treatments.record.id_treatment, colony);
        link.Insert(db.get());
    }
    CCareColoniesTable feeding;
    SetLink(feeding.record, CareKind::Feeding, treatments.record.id_treatment, 6);
    feeding.Insert(db.get());

    CHarvestsTable harvests;
    harvests.record.id_family = 6;
    harvests.record.date = LocalMidnight(2026, 7, 1);
    harvests.record.lot = u"L-7";
    harvests.Insert(db.get());
    for (const auto& [position, weight] : { std::pair { 1, 12.5 }, std::pair { 2, 9.75 } }) {
        CHarvestSupersTable supers;
        supers.record.id_harvest = harvests.record.id_harvest;
        supers.record.position = position;
        supers.record.weight = weight;
        supers.Insert(db.get());
    }
    EXPECT_EQ(Column(u"SELECT date_end FROM treatments"), std::vector<std::u16string> { u"30.09.2026 00:00:00" });
    EXPECT_EQ(Column(u"SELECT weight FROM harvest_supers ORDER BY position"),
        (std::vector<std::u16string> { u"12.5", u"9.75" }));

    CCareColoniesTable ofTreatment;
    ofTreatment.record.kind = static_cast<std::int32_t>(CareKind::Treatment);
    ofTreatment.record.id_entry = treatments.record.id_treatment;
    const auto colonies = SelectFrom(ofTreatment);
    ASSERT_EQ(colonies.size(), 3u);
    EXPECT_EQ(colonies[2]->id_family, 7);

    // Colony 6 leaves both entries and takes its harvest with it.
    CCareColoniesTable().DeleteOfFamily(db.get(), 6);
    CHarvestSupersTable().DeleteOfFamily(db.get(), 6);
    CHarvestsTable().DeleteOfFamily(db.get(), 6);
    EXPECT_EQ(Column(u"SELECT id_family FROM care_colonies ORDER BY id_family"),
        (std::vector<std::u16string> { u"5", u"7" }));
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM harvest_supers"), std::vector<std::u16string> { u"0" });
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM harvests"), std::vector<std::u16string> { u"0" });

    // The treatment's own rows go by kind and entry.
    ofTreatment.record.kind = static_cast<std::int32_t>(CareKind::Treatment);
    ofTreatment.record.id_entry = treatments.record.id_treatment;
    ofTreatment.Delete(db.get());
    EXPECT_EQ(Column(u"SELECT COUNT(*) FROM care_colonies"), std::vector<std::u16string> { u"0" });
}
