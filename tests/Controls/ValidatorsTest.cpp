#include "MakeValidator.h"
#include "MatchPattern.h"
#include "SimbolsValidate.h"
#include "ValueValidate.h"

#include <gtest/gtest.h>

TEST(SimbolsValidate, DateMaskTakesDigitsAndItsOwnCharacters)
{
    const CSimbolsValidate mask(u"**.**.****");
    EXPECT_TRUE(mask.Check(u"12.0", true));
    EXPECT_TRUE(mask.Check(u"", true));
    EXPECT_TRUE(mask.Check(u"01.02.2010", false));
    EXPECT_TRUE(mask.Check(u"*1", true)) << "a star position also takes the star itself";
    EXPECT_FALSE(mask.Check(u"12-", true));
    EXPECT_FALSE(mask.Check(u"1a", true));
    EXPECT_FALSE(mask.Check(u"01.02.20101", true));
    EXPECT_FALSE(mask.Check(u"1212", true)) << "a literal position takes only itself";
}

TEST(SimbolsValidate, HashTakesLetters)
{
    const CSimbolsValidate mask(u"##-*");
    EXPECT_TRUE(mask.Check(u"Ab-3", false));
    EXPECT_FALSE(mask.Check(u"A1", true));
    EXPECT_TRUE(mask.Check(u"##", true));
}

TEST(ValueValidate, RangeIsComparedInHundredths)
{
    const CValueValidate range(u"0 100");
    EXPECT_TRUE(range.Check(u"100.004", false));
    EXPECT_TRUE(range.Check(u"100", false));
    EXPECT_TRUE(range.Check(u"0", false));
    EXPECT_FALSE(range.Check(u"100.5", false));
    EXPECT_FALSE(range.Check(u"-1", false));
    EXPECT_FALSE(range.Check(u"-1", true)) << "negative values need the open maximum";
    EXPECT_TRUE(range.Check(u"  42abc", false)) << "the leading number counts";
}

TEST(ValueValidate, OpenMaximumAndMinimumWhileTyping)
{
    const CValueValidate range(u"5 -1");
    EXPECT_TRUE(range.Check(u"3", true));
    EXPECT_TRUE(range.Check(u"-7", true));
    EXPECT_TRUE(range.Check(u"250", true));
    EXPECT_FALSE(range.Check(u"3", false));
    EXPECT_TRUE(range.Check(u"250", false));
    EXPECT_TRUE(range.Check(u"100000000", false));

    const CValueValidate tens(u"10 20");
    EXPECT_TRUE(tens.Check(u"1", true)) << "1 may still grow into 15";
    EXPECT_FALSE(tens.Check(u"1", false));
    EXPECT_TRUE(tens.Check(u"15", false));
}

TEST(ValueValidate, HugeNumbersAreRefusedNotWrapped)
{
    const CValueValidate range(u"0 100");
    EXPECT_FALSE(range.Check(u"99999999999", false));
    EXPECT_FALSE(range.Check(u"1e300", false));
    EXPECT_FALSE(range.Check(u"1e999", false));
    EXPECT_TRUE(range.Check(u"1e-999", false));
}

TEST(MakeValidator, KeysChooseTheKind)
{
    const auto mask = MakeValidator(u"SymbolValid", u"**");
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->GetRule(), u"**");
    EXPECT_FALSE(mask->Check(u"123", true));

    const auto range = MakeValidator(u"ValueValid", u"0 10");
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->GetRule(), u"0 10");
    EXPECT_FALSE(range->Check(u"11", false));

    EXPECT_EQ(MakeValidator(u"symbolvalid", u"**"), nullptr);
    EXPECT_EQ(MakeValidator(u"regex", u"^a$"), nullptr);
}

TEST(MatchPattern, WholeTextMustBeTheMatch)
{
    const std::u16string decimal = u"^0$|^0?\\.\\d*$|^[1-9]\\d*\\.?\\d*$";
    EXPECT_TRUE(MatchPattern(decimal, u"0"));
    EXPECT_TRUE(MatchPattern(decimal, u".5"));
    EXPECT_TRUE(MatchPattern(decimal, u"12.25"));
    EXPECT_FALSE(MatchPattern(decimal, u"012"));
    EXPECT_FALSE(MatchPattern(decimal, u"1.2.3"));
    EXPECT_TRUE(MatchPattern(u"^\\d*\\.\\d*\\.\\d*$", u"1.2.3"));

    EXPECT_FALSE(MatchPattern(u"a", u"ab")) << "a match short of the end";
    EXPECT_FALSE(MatchPattern(u"b", u"ab")) << "a match after the start";
    EXPECT_TRUE(MatchPattern(u"(a)(b)", u"ab")) << "groups do not hide the match";
    EXPECT_TRUE(MatchPattern(u"^.{3}$", u"пчё")) << "characters, not bytes";
}

TEST(MatchPattern, EmptyTextAndBrokenPatternsNeverMatch)
{
    EXPECT_FALSE(MatchPattern(u"^$", u""));
    EXPECT_FALSE(MatchPattern(u".*", u""));
    EXPECT_FALSE(MatchPattern(u"(", u"("));
    EXPECT_FALSE(MatchPattern(u"[a-", u"a"));
}
