#include "CareWords.h"

#include <gtest/gtest.h>

TEST(CareWordsTest, AWholeNumberIsReadWithEitherMarkAndNothingElseIs)
{
    EXPECT_EQ(ReadWholeNumber(u"14"), 14);
    EXPECT_EQ(ReadWholeNumber(u"-3"), -3);
    EXPECT_EQ(ReadWholeNumber(u"7,0"), 7);
    EXPECT_EQ(ReadWholeNumber(u"7.0"), 7);
    EXPECT_EQ(ReadWholeNumber(u"2147483647"), 2147483647);
    EXPECT_EQ(ReadWholeNumber(u"2.5"), std::nullopt);
    EXPECT_EQ(ReadWholeNumber(u""), std::nullopt);
    EXPECT_EQ(ReadWholeNumber(u"ten"), std::nullopt);
    // Beyond what a count holds, not a wrapped-round number.
    EXPECT_EQ(ReadWholeNumber(u"99999999999"), std::nullopt);
    EXPECT_EQ(ReadWholeNumber(u"-99999999999"), std::nullopt);
}
