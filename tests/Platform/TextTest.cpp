#include "Text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <string>

namespace {
// A C++ locale whose numbers use a comma.
class CommaNumbers : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
};

// Restores the C locale however the test ends.
struct CLocaleGuard
{
    ~CLocaleGuard() { std::setlocale(LC_ALL, "C"); }
};
}

TEST(Text, WToFReadsTheLeadingDecimalAsTheRuntimeDoes)
{
    EXPECT_DOUBLE_EQ(WToF(u"3.25"), 3.25);
    EXPECT_DOUBLE_EQ(WToF(u"  \t-1.5e2 kg"), -150.0);
    EXPECT_DOUBLE_EQ(WToF(u"+.5"), 0.5);
    EXPECT_DOUBLE_EQ(WToF(u"12abc"), 12.0);
    EXPECT_DOUBLE_EQ(WToF(u"7e"), 7.0);
    EXPECT_DOUBLE_EQ(WToF(u"2.5e-1"), 0.25);
    EXPECT_DOUBLE_EQ(WToF(u"1,5"), 1.0); // a comma is never the separator
    EXPECT_DOUBLE_EQ(WToF(u"12\u0661"), 12.0); // other digits end the number
    EXPECT_EQ(WToF(u""), 0.0);
    EXPECT_EQ(WToF(u"abc"), 0.0);
    EXPECT_EQ(WToF(u"- 5"), 0.0);
    EXPECT_EQ(WToF(u"."), 0.0);
    EXPECT_TRUE(std::isinf(WToF(u"1e400")));
    EXPECT_EQ(WToF(u"1e-400"), 0.0);
    EXPECT_EQ(WToF(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_EQ(WToI(u" 42.9"), 42);

    // Whatever locale the program's streams use.
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
    const double value = WToF(u"2.75");
    std::locale::global(previous);
    EXPECT_DOUBLE_EQ(value, 2.75);
}

TEST(Text, WToFReadsAPointUnderACommaDecimalCLocale)
{
    CLocaleGuard guard;
    // scripts/install-deps.sh generates this locale.
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "the ru_RU.UTF-8 locale is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(WToF(u"2.75"), 2.75);
    EXPECT_DOUBLE_EQ(WToF(u"2,75"), 2.0);
}
