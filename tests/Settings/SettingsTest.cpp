#include "ListValue.h"
#include "Settings.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr char16_t kKey[] = u"Software\\Tolvik\\TestSettings";

// A page of two check boxes and a label, with defaults for the check boxes.
class TestPage : public CSettings
{
public:
    TestPage()
        : CSettings(1, kKey, true)
    {
        Build();
    }

    int applied = 0;

protected:
    ValueMap LoadSavedValues() override
    {
        return { { u"static_label", u"Label" }, { u"check_a", ReadRegistryString(u"check_a", kKey) },
            { u"check_b", ReadRegistryString(u"check_b", kKey) } };
    }
    ValueMap GetDefaultValues() override { return { { u"check_a", u"checked" }, { u"check_b", u"unchecked" } }; }
    PropertyMap GetControlProperties() override { return { { u"check_a", { { u"dependents", u"check_b" } } } }; }
    std::vector<ControlDescription> GetControlDescriptions() override
    {
        return { { u"static", 0, 0, 100, 20, 0, u"Label", u"static_label" },
            { u"check_box", 0, 20, 100, 20, 0, u"A", u"check_b" }, { u"check_box", 0, 40, 100, 20, 0, u"B", u"check_a" },
            { u"edit", 0, 60, 100, 20, 0, u"", u"CHECK_A" } };
    }
    void OnApplied() override { ++applied; }
};

class SettingsTest : public testing::Test
{
protected:
    SettingsStore store;
};

TEST_F(SettingsTest, EmptyStoreShowsDefaultsAndApplyWritesOnlyTheEditedValue)
{
    auto page = std::make_unique<TestPage>();
    std::vector<std::unique_ptr<ControlEntry>> controls;
    for (ControlEntry* entry : page->GetControls())
        controls.emplace_back(entry);
    // Ordered by name without regard to case; the later "CHECK_A" is dropped.
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0]->description.name, u"check_a");
    EXPECT_EQ(controls[0]->description.type, u"check_box");
    EXPECT_EQ(controls[0]->value, u"checked");
    EXPECT_EQ(controls[0]->properties.size(), 1u);
    EXPECT_EQ(controls[1]->value, u"unchecked");
    EXPECT_EQ(controls[2]->value, u"Label");

    page->SetValue(u"check_b", u"checked");
    EXPECT_TRUE(page->IsModified());
    page->Apply();
    EXPECT_FALSE(page->IsModified());
    EXPECT_EQ(page->applied, 1);
    EXPECT_EQ(store.Values(kKey), (std::map<std::string, std::string> { { "check_b", "checked" } }));
    EXPECT_EQ(page->GetSavedValue(u"CHECK_B"), u"checked");
    EXPECT_EQ(TestPage().GetValue(u"check_b"), u"checked");

    page->Apply();
    EXPECT_EQ(page->applied, 1);
}

TEST_F(SettingsTest, CancelForgetsEditsAndWritesNothing)
{
    TestPage page;
    page.SetValue(u"check_a", u"unchecked");
    EXPECT_EQ(page.GetValue(u"check_a"), u"unchecked");
    page.Cancel();
    EXPECT_EQ(page.GetValue(u"check_a"), u"checked");
    page.Apply();
    EXPECT_EQ(page.applied, 0);
    EXPECT_TRUE(store.Values(kKey).empty());
}

TEST_F(SettingsTest, DefaultsThenApplyWritesEveryDefaultOnceAndFiresOnce)
{
    WriteRegistryString(u"unchecked", kKey, u"check_a");
    TestPage page;
    EXPECT_EQ(page.GetValue(u"check_a"), u"unchecked");
    page.RestoreDefaults();
    EXPECT_EQ(page.GetValue(u"check_a"), u"checked");
    page.Apply();
    EXPECT_EQ(page.applied, 1);
    EXPECT_EQ(store.Values(kKey),
        (std::map<std::string, std::string> { { "check_a", "checked" }, { "check_b", "unchecked" } }));
}

TEST_F(SettingsTest, StoreNamesAreCaseSensitiveAndIgnoreATerminatingZero)
{
    WriteRegistryString(u"value", kKey, u"name");
    EXPECT_EQ(ReadRegistryString(u"name", kKey), u"value");
    EXPECT_EQ(ReadRegistryString(u"NAME", kKey), u"");
    EXPECT_EQ(ReadRegistryString(u"name", u"Software\\Tolvik\\Missing"), u"");
    WriteRegistryString(std::u16string(u"zero") + u'\0', kKey, u"zero");
    EXPECT_EQ(ReadRegistryString(u"zero", kKey), u"zero");
    WriteRegistryString(u"Пасека, \"№1\"; = [x]", kKey, u"text");
    EXPECT_EQ(ReadRegistryString(u"text", kKey), u"Пасека, \"№1\"; = [x]");
}

TEST(ListValueTest, NamesWithSeparatorsRoundTrip)
{
    ListValue value;
    value.current = u"a|b,c";
    value.items = { { u"a|b,c", 3, kMarkExist }, { u"back\\slash\nline", 7, kMarkAdd }, { u"", 0, kMarkDelete } };
    const ListValue parsed = ListValue::Parse(value.Format());
    EXPECT_EQ(parsed, value);
    EXPECT_EQ(parsed.items[0].number, 3);
    EXPECT_EQ(parsed.CurrentIndex(), 0u);

    // Plain names read as they always were.
    const ListValue plain = ListValue::Parse(u"Dadant\nDadant|1|exist,Langstroth|2|add");
    ASSERT_EQ(plain.items.size(), 2u);
    EXPECT_EQ(plain.items[1].name, u"Langstroth");
    EXPECT_EQ(plain.items[1].number, 2);
    EXPECT_TRUE(plain.HasMarked());
    EXPECT_TRUE(ListValue::Parse(u"\n").items.empty());
}
}
