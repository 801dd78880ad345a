#include "AddChangeInspectView.h"
#include "AddChangeQueenBeeView.h"
#include "FormFixture.h"
#include "HousingCache.h"
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

INSTANTIATE_TEST_SUITE_P(Languages, FormRefusalsTest, ShippedLanguages(), LanguageName);
