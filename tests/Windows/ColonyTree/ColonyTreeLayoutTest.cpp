#include "ColonyTreeFixture.h"

#include "ColonyLineage.h"

namespace {
using Box = CBoxTreeDrawer::Box;

int Centre(const Box* box)
{
    return box->x + CColonyTreeDrawer::BoxWidth / 2;
}

class ColonyTreeLayoutTest : public ColonyTreeTest
{
};
}

TEST_P(ColonyTreeLayoutTest, MothersStandAboveTheColonyAndEachDaughterUnderHerMother)
{
    CColonyTreeDrawer drawer(nullptr);
    ASSERT_TRUE(FillColonyTree(drawer, linden2));
    const int height = drawer.Arrange(300);
    const Box* linden = drawer.BoxOf(kLinden);
    const Box* colony = drawer.BoxOf(linden2);
    const Box* first = drawer.BoxOf(linden21);
    const Box* second = drawer.BoxOf(linden22);
    const Box* grand = drawer.BoxOf(linden211);
    const Box* acacia = drawer.BoxOf(kAcacia);
    ASSERT_TRUE(linden && colony && first && second && grand && acacia);
    // Linden's other daughter is no ancestor nor descendant of Linden 2.
    EXPECT_EQ(drawer.BoxOf(linden3), nullptr);
    EXPECT_EQ(drawer.Selected(), colony);

    EXPECT_EQ(colony->y - linden->y, CColonyTreeDrawer::RowStep);
    EXPECT_EQ(Centre(linden), Centre(colony));
    EXPECT_EQ(drawer.UpperOf(linden2), linden);
    EXPECT_EQ(drawer.UpperOf(kLinden), nullptr);
    for (const Box* daughter : { first, second }) {
        EXPECT_EQ(daughter->y, colony->y + CColonyTreeDrawer::RowStep);
        EXPECT_EQ(drawer.UpperOf(daughter->id), colony);
    }
    EXPECT_LE(first->x + CColonyTreeDrawer::BoxWidth, second->x) << "in the order they were made, apart";
    EXPECT_EQ(Centre(colony), (Centre(first) + Centre(second)) / 2);
    EXPECT_EQ(grand->y, first->y + CColonyTreeDrawer::RowStep);
    EXPECT_EQ(Centre(grand), Centre(first));
    EXPECT_EQ(drawer.UpperOf(linden211), first);
    // Acacia joined Linden 2: beside it in its row, hanging from no mother.
    EXPECT_EQ(acacia->y, colony->y);
    EXPECT_GE(acacia->x, colony->x + CColonyTreeDrawer::BoxWidth);
    EXPECT_EQ(drawer.UpperOf(kAcacia), nullptr);
    // Wider than the 300 pixels asked for: it starts at the margin and says how wide it is.
    EXPECT_EQ(first->x, CColonyTreeDrawer::Margin + (CColonyTreeDrawer::SlotWidth - CColonyTreeDrawer::BoxWidth) / 2);
    EXPECT_GE(drawer.Width(), acacia->x + CColonyTreeDrawer::BoxWidth);
    EXPECT_EQ(height, grand->y + CColonyTreeDrawer::BoxHeight + CColonyTreeDrawer::Margin);
}

TEST_P(ColonyTreeLayoutTest, BoxesSayNameSiteHowMadeAndHowEnded)
{
    CColonyTreeDrawer drawer(nullptr);
    ASSERT_TRUE(FillColonyTree(drawer, linden2));
    EXPECT_EQ(drawer.BoxOf(kLinden)->caption, u"Linden\nNorth");
    EXPECT_EQ(drawer.BoxOf(linden2)->caption, u"Linden 2\nSouth\n" + WithDay(StringId::ColonyMadeBySplit, u"10.05.2024"));
    EXPECT_EQ(drawer.BoxOf(linden22)->caption,
        u"Linden 2.2\nNorth\n" + WithDay(StringId::ColonyMadeBySwarm, u"03.06.2025"));
    EXPECT_EQ(drawer.BoxOf(linden21)->caption, u"Linden 2.1\nSouth\n" + WithDay(StringId::ColonyMadeBySplit, u"12.05.2025")
            + u"\n" + ReplaceAll(WithDay(StringId::ColonyLostOnOfCause, u"10.02.2026"), u"%2", Text(StringId::LossCauseVarroa)));
    EXPECT_EQ(drawer.BoxOf(kAcacia)->caption, u"Acacia\nNorth\n" + WithDay(StringId::ColonyUnitedInOn, u"15.09.2025"));
    EXPECT_TRUE(drawer.BoxOf(linden21)->dimmed);
    EXPECT_TRUE(drawer.BoxOf(kAcacia)->dimmed);
    EXPECT_FALSE(drawer.BoxOf(linden2)->dimmed);
    EXPECT_FALSE(drawer.BoxOf(linden211)->dimmed);

    // From Acacia's side: she went into Linden 2.
    ASSERT_TRUE(FillColonyTree(drawer, kAcacia));
    EXPECT_EQ(drawer.BoxOf(kAcacia)->caption, u"Acacia\nNorth\n" + ReplaceAll(Text(StringId::ColonyUnitedInto), u"%1", u"Linden 2"));
    EXPECT_FALSE(drawer.HasLineage());
}

TEST_P(ColonyTreeLayoutTest, AGreatGranddaughterHasThreeGenerationsAboveAndAColonyWithoutLineageStandsAlone)
{
    CColonyTreeDrawer drawer(nullptr);
    ASSERT_TRUE(FillColonyTree(drawer, linden211));
    drawer.Arrange(800);
    const Box* self = drawer.BoxOf(linden211);
    int row = 1;
    for (std::int32_t id : { linden21, linden2, kLinden }) {
        ASSERT_NE(drawer.BoxOf(id), nullptr);
        EXPECT_EQ(drawer.BoxOf(id)->y, self->y - row * CColonyTreeDrawer::RowStep) << id;
        EXPECT_EQ(drawer.BoxOf(id)->x, self->x);
        ++row;
    }
    EXPECT_EQ(drawer.BoxOf(linden22), nullptr);
    EXPECT_EQ(drawer.BoxOf(kAcacia), nullptr);

    ASSERT_TRUE(FillColonyTree(drawer, kHeather));
    EXPECT_FALSE(drawer.HasLineage());
    drawer.Arrange(800);
    EXPECT_EQ(Centre(drawer.BoxOf(kHeather)), 400) << "alone, centred in the page";
    EXPECT_FALSE(FillColonyTree(drawer, 999));
    EXPECT_EQ(drawer.BoxOf(kHeather), nullptr) << "a colony gone leaves no tree behind";
    EXPECT_EQ(drawer.Arrange(800), 0);
}

TEST_P(ColonyTreeLayoutTest, EventsThatMakeTwoColoniesEachOthersMotherStillDrawEachOnce)
{
    // No operation writes such a loop; a file changed by hand may hold one.
    JournalWindowTest::Run(u"INSERT INTO colony_events(id_family, kind, date, id_other_family) VALUES"
        u"(70000, 1, '01.05.2024 00:00:00', 1), (1, 1, '01.05.2025 00:00:00', 70000)");
    ReloadJournalStores(CDatabaseLease().get());
    CColonyTreeDrawer drawer(nullptr);
    ASSERT_TRUE(FillColonyTree(drawer, kHeather));
    drawer.Arrange(800);
    ASSERT_NE(drawer.BoxOf(1), nullptr);
    EXPECT_EQ(drawer.UpperOf(kHeather), drawer.BoxOf(1));
    EXPECT_EQ(drawer.UpperOf(1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Languages, ColonyTreeLayoutTest, ShippedLanguages(), LanguageName);
