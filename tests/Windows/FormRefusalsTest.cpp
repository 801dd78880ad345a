#include "AddChangeFamilyView.h"
#include "AddChangeInspectView.h"
#include "AddChangePointView.h"
#include "AddChangeQueenBeeView.h"
#include "FormFixture.h"
#include "HousingCache.h"
#include "PointFamilyCache.h"
#include "StringIds.h"

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
    CAddInspectView page(&state, journal, [](CWnd*) { return std::optional<PickedHousing>(); });
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

INSTANTIATE_TEST_SUITE_P(Languages, FormRefusalsTest, ShippedLanguages(), LanguageName);
