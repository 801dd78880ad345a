#include "TablePageFixture.h"

#include "Calendar.h"
#include "CareCache.h"
#include "ExportCommand.h"
#include "JournalHandlers.h"
#include "Menu.h"
#include "PdfText.h"
#include "Printers.h"
#include "PrintJob.h"
#include "SchemaMigrations.h"
#include "Tr.h"

#include <algorithm>

namespace {
// Three colonies at one site; a site's treatment in autumn 2026 with a prescriber, a colony's in
// spring 2026, and one of 2025.
class MedicinesRegisterTest : public TablePageTest
{
protected:
    MedicinesRegisterTest()
        : printers({ u"Office" }, u"Office")
    {
        Start(kMainSettingsKey, {});
        SchemaMigrations::Migrate(CDatabaseLease().get());
        GetCareCache()->Load(CDatabaseLease().get());
        const std::int32_t site = AddPoint(u"Луг");
        for (const char16_t* name : { u"Липа", u"Акация", u"Гречиха" })
            colonies.push_back(AddFamily(site, name));
        TreatmentProduct strips { 0, u"Amitraz strips", u"amitraz", u"strip", 2.0, u"strips", 14 };
        TreatmentProduct acid { 0, u"Oxalic acid", u"oxalic acid", u"solution", 5.0, u"ml", 0 };
        care.SaveProduct(strips);
        care.SaveProduct(acid);
        Add(strips.id, u"B-2291", LocalMidnight(2026, 8, 20), LocalMidnight(2026, 9, 30), colonies, u"Dr. Hale");
        Add(acid.id, u"OX-7", LocalMidnight(2026, 4, 2), LocalMidnight(2026, 4, 2), { colonies[1] }, u"");
        Add(acid.id, u"OX-1", LocalMidnight(2025, 11, 20), LocalMidnight(2025, 11, 20), { colonies[0] }, u"");
        pdf = (m_dir.Path() / "register.pdf").string();
    }

    void Add(std::int32_t product, const std::u16string& batch, std::int64_t start, std::int64_t end,
        std::vector<std::int32_t> given, const std::u16string& prescriber)
    {
        Treatment treatment;
        treatment.id_product = product;
        treatment.batch = batch;
        treatment.dose = GetCareCache()->FindProduct(product)->dose;
        treatment.unit = GetCareCache()->FindProduct(product)->unit;
        treatment.date_start = start;
        treatment.date_end = end;
        treatment.withdrawal_days = GetCareCache()->FindProduct(product)->withdrawal_days;
        treatment.prescriber = prescriber;
        treatment.colonies = std::move(given);
        ASSERT_NE(care.AddTreatment(treatment), 0);
    }

    // The register's text as printed, its lines joined.
    std::string Printed(UINT entry)
    {
        PrintResponder responder(PrintResponder::Choice::Print, FromPath(pdf));
        menus.Choose(entry);
        CExportCommand(&host, nullptr, 0).Run({});
        std::string text;
        for (const std::string& page : PdfPageTexts(pdf))
            text += page;
        return text;
    }

    static bool Has(const std::string& text, const std::u16string& part)
    {
        return text.find(ToUtf8(part)) != std::string::npos;
    }

    CCareHandler& care = GetJournalHandlers()->care;
    std::vector<std::int32_t> colonies;
    PrinterListOverride printers;
    MenuResponder menus;
    std::string pdf;
};
}

TEST_P(MedicinesRegisterTest, AYearsRegisterPrintsEveryTreatmentOfThatYearOnItsOwnLine)
{
    const std::string text = Printed(CExportCommand::IdRegisterYears);
    // The menu offers the years with treatments, latest first.
    ASSERT_EQ(menus.Calls().size(), 1u);
    std::vector<std::u16string> entries;
    for (const CMenu::Item& item : menus.Calls()[0].items)
        entries.push_back(item.text);
    const auto at = std::find(entries.begin(), entries.end(), TrFilled(StringId::RegisterMenu, { u"2026" }));
    ASSERT_NE(at, entries.end());
    ASSERT_NE(at + 1, entries.end());
    EXPECT_EQ(*(at + 1), TrFilled(StringId::RegisterMenu, { u"2025" }));

    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(Has(text, TrFilled(StringId::RegisterTitle, { u"2026" })));
    for (std::int32_t caption : { StringId::ProductLabel, StringId::BatchLabel, StringId::PrescriberLabel })
        EXPECT_TRUE(Has(text, Tr(caption))) << Tr(caption).size();
    // The site's treatment: its batch, every colony, the last day of its withdrawal, the prescriber.
    EXPECT_TRUE(Has(text, u"B-2291"));
    EXPECT_TRUE(Has(text, u"amitraz"));
    for (const char16_t* name : { u"Липа", u"Акация", u"Гречиха" })
        EXPECT_TRUE(Has(text, name));
    EXPECT_TRUE(Has(text, u"14.10.2026"));
    EXPECT_TRUE(Has(text, u"Dr. Hale"));
    // Spring's comes first; last year's is not in this year's register.
    ASSERT_TRUE(Has(text, u"OX-7"));
    EXPECT_LT(text.find("OX-7"), text.find("B-2291"));
    EXPECT_FALSE(Has(text, u"OX-1"));

    const std::string lastYear = Printed(CExportCommand::IdRegisterYears + 1);
    EXPECT_TRUE(Has(lastYear, u"OX-1"));
    EXPECT_FALSE(Has(lastYear, u"B-2291"));
}

INSTANTIATE_TEST_SUITE_P(Languages, MedicinesRegisterTest, ShippedLanguages(), LanguageName);
