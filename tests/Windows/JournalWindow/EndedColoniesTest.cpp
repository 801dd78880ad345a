#include "JournalWindowFixture.h"

#include "../ColonyEvents.h"
#include "Button.h"
#include "JournalPages.h"
#include "Registry.h"
#include "TableRow.h"
#include "UniteColoniesOperation.h"
#include "ViewFamilies.h"
#include "ViewSetting.h"

#include <algorithm>

namespace {
using Labels = std::vector<std::u16string>;

// The darkest channel of the pixels in the rectangle of the picture; 255 for none drawn.
int DarkestIn(const UiTest::Image& picture, const CRect& place)
{
    int darkest = 255;
    for (int y = std::max(0, int(place.top)); y < std::min(picture.height, int(place.bottom)); ++y) {
        for (int x = std::max(0, int(place.left)); x < std::min(picture.width, int(place.right)); ++x) {
            const COLORREF pixel = picture.At(x, y);
            darkest = std::min({ darkest, GetRValue(pixel), GetGValue(pixel), GetBValue(pixel) });
        }
    }
    return darkest;
}

class EndedColoniesTest : public JournalWindowTest
{
protected:
    EndedColoniesTest()
        : JournalWindowTest(JournalPageFactories())
    {
    }

    CButton* HideBox() { return dynamic_cast<CButton*>(Window()->GetDlgItem(IdHideEnded)); }
    void ClickHideBox()
    {
        CRect box;
        HideBox()->GetClientRect(&box);
        UiTest::Click(HideBox(), 6, box.CenterPoint().y);
        UiTest::ProcessEvents();
    }
    // How dark the node's label is drawn.
    int LabelDarkness(const std::u16string& text)
    {
        CRect place;
        EXPECT_TRUE(Tree()->GetItemRect(Item(text), &place, TRUE));
        return DarkestIn(UiTest::Grab(Tree()), place);
    }
};
}

TEST_P(EndedColoniesTest, ALostOrUnitedColonyIsGreyedAndTheCheckBoxHidesItAndIsRemembered)
{
    ASSERT_NE(HideBox(), nullptr);
    EXPECT_EQ(HideBox()->GetWindowText(), Text(StringId::HideEndedColonies));
    EXPECT_EQ(HideBox()->GetCheck(), BST_UNCHECKED);
    Tree()->Expand(Item(u"North"), TVE_EXPAND);
    Tree()->Expand(Item(u"Far meadow"), TVE_EXPAND);
    UiTest::ProcessEvents();
    // Before any event every label is drawn in black.
    EXPECT_LT(LabelDarkness(u"Linden"), 60);

    ASSERT_NE(LoseColony(5, u"10.02.2025", LossCause::Starvation), 0);
    CUniteColoniesOperation unite;
    unite.record.id_family = kHeather;
    unite.record.id_other_family = 1;
    unite.record.date = ParseDateText(u"01.09.2024");
    ASSERT_NE(RunColonyEvent(unite), 0);

    // The ended colonies stay in the tree, greyed; the others stay black.
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia", u"Linden" }));
    EXPECT_EQ(ChildLabels(Item(u"Far meadow")), (Labels { u"Clover", u"Heather" }));
    const int grey = GetRValue(EndedTextColour);
    EXPECT_GE(LabelDarkness(u"Linden"), grey - 10);
    EXPECT_LT(LabelDarkness(u"Linden"), 250);
    EXPECT_GE(LabelDarkness(u"Clover"), grey - 10);
    EXPECT_LT(LabelDarkness(u"Acacia"), 60);
    EXPECT_LT(LabelDarkness(u"Heather"), 60);
    // Its records and pages are still there.
    ClickItem(u"Linden");
    EXPECT_EQ(State().page, PageInspections);
    EXPECT_EQ(State().recordId, 5);

    // Hidden: the selection falls back to the site, and the choice is kept for the next opening.
    ClickHideBox();
    EXPECT_EQ(HideBox()->GetCheck(), BST_CHECKED);
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia" }));
    EXPECT_EQ(ChildLabels(Item(u"Far meadow")), (Labels { u"Heather" }));
    EXPECT_EQ(Tree()->SelectedNode().kind, NodeSite);
    EXPECT_EQ(ReadRegistryString(kHideEndedColoniesSetting, kJournalWindowKey), kChecked);
    // A colony lost while they are hidden leaves the tree at once.
    ASSERT_NE(LoseColony(3, u"11.02.2025"), 0);
    EXPECT_TRUE(ChildLabels(Item(u"North")).empty());

    ClickHideBox();
    EXPECT_EQ(HideBox()->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia", u"Linden" }));
    EXPECT_EQ(ReadRegistryString(kHideEndedColoniesSetting, kJournalWindowKey), kUnchecked);
}

TEST_P(EndedColoniesTest, TheHiddenChoiceIsReadWhenTheWindowOpens)
{
    ASSERT_NE(LoseColony(5, u"10.02.2025"), 0);
    WriteRegistryString(kChecked, kJournalWindowKey, kHideEndedColoniesSetting);
    Window()->SendMessage(WM_CLOSE);
    UiTest::ProcessEvents();
    ASSERT_FALSE(Window()->IsCreated());
    journal->GetVisualComponent()->Show();
    UiTest::ProcessEvents();
    ASSERT_NE(HideBox(), nullptr);
    EXPECT_EQ(HideBox()->GetCheck(), BST_CHECKED);
    EXPECT_EQ(ChildLabels(Item(u"North")), (Labels { u"Acacia" }));
}

TEST_P(EndedColoniesTest, TheSitesColoniesTableGreysAnEndedColony)
{
    ASSERT_NE(LoseColony(5, u"10.02.2025"), 0);
    ClickItem(u"North");
    auto* table = dynamic_cast<CViewFamilies*>(Window()->GetDlgItem(IdPage));
    ASSERT_NE(table, nullptr);
    const auto& rows = table->Grid().Drawer().Rows();
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        const COLORREF expected = row->id == 5 ? EndedTextColour : RGB(0, 0, 0);
        for (const auto& cell : row->cells)
            EXPECT_EQ(cell->textColour, expected) << row->id;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EndedColoniesTest, ShippedLanguages(), LanguageName);
