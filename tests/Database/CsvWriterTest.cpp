#include "Calendar.h"
#include "CsvRows.h"
#include "CsvWriter.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {
CsvRows ReadBack(const std::string& bytes)
{
    bool failure = false;
    CsvRows rows = ParseCsv(bytes, failure);
    EXPECT_FALSE(failure) << bytes;
    return rows;
}
}

TEST(CsvWriterTest, StartsWithByteOrderMarkAndEndsRowsWithCrLf)
{
    CCsvWriter writer;
    writer.AddText(u"a");
    writer.AddText(u"b");
    writer.EndRow();
    writer.AddInteger(-7);
    writer.EndRow();
    EXPECT_EQ(writer.Bytes(), "\xEF\xBB\xBF" "a,b\r\n-7\r\n");
}

TEST(CsvWriterTest, QuotesOnlyFieldsWithSeparatorsQuotesOrLineBreaks)
{
    CCsvWriter writer;
    for (const char16_t* text : { u"plain", u"a,b", u"say \"hi\"", u"two\r\nlines", u"lf\nonly", u"cr\ronly", u"\"",
             u"", u" spaced " })
        writer.AddText(text);
    writer.EndRow();
    EXPECT_EQ(writer.Bytes().substr(3),
        "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\",\"cr\ronly\",\"\"\"\",, spaced \r\n");
}

TEST(CsvWriterTest, CyrillicApostrophesAndEmojiRoundTrip)
{
    const std::vector<std::u16string> fields = { u"Пасіка «Лісова», під'їзд", u"O'Brien's \"best\" hive",
        u"🐝 рій\r\nв'язка", u"日本語,テキスト", u"" };
    CCsvWriter writer;
    for (const auto& field : fields)
        writer.AddText(field);
    writer.EndRow();
    writer.AddText(u"second");
    writer.EndRow();

    TempWorkDir dir;
    ASSERT_TRUE(writer.Save("out.csv"));
    const CsvRows rows = ReadBack(ReadFileBytes("out.csv"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], fields);
    EXPECT_EQ(rows[1], std::vector<std::u16string> { u"second" });
}

TEST(CsvWriterTest, DatesAreIsoDaysAndNumbersUseAPointWhateverTheLocale)
{
    CCsvWriter writer;
    writer.AddDate(ParseDateText(u"09.03.2024 00:00:00"));
    writer.AddDate(ParseDateText(u"31.12.1999 00:00:00"));
    // A locale with a decimal comma must not leak into the file, where it would split the field.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "ru_RU.utf8"), nullptr);
    writer.AddNumber(2.5);
    writer.AddNumber(-0.125);
    std::setlocale(LC_NUMERIC, previous.c_str());
    writer.EndRow();
    EXPECT_EQ(ReadBack(writer.Bytes()).front(),
        (std::vector<std::u16string> { u"2024-03-09", u"1999-12-31", u"2.5", u"-0.125" }));
}

TEST(CsvWriterTest, ASemicolonStyleQuotesSemicolonsAndWritesDecimalCommas)
{
    CCsvWriter writer(CsvFormat { ';', ',' });
    writer.AddText(u"Linden; north");
    writer.AddText(u"a,b");
    writer.AddNumber(2.5);
    writer.AddInteger(7);
    writer.EndRow();
    EXPECT_EQ(writer.Bytes().substr(3), "\"Linden; north\";a,b;2,5;7\r\n");
    bool failure = false;
    EXPECT_EQ(ParseCsv(writer.Bytes(), failure, ';').front(),
        (std::vector<std::u16string> { u"Linden; north", u"a,b", u"2,5", u"7" }));
    EXPECT_FALSE(failure);

    // A decimal comma between commas would split the number: it is quoted.
    CCsvWriter mixed(CsvFormat { ',', ',' });
    mixed.AddNumber(-0.125);
    mixed.EndRow();
    EXPECT_EQ(mixed.Bytes().substr(3), "\"-0,125\"\r\n");
}

TEST(CsvWriterTest, SavingIntoAMissingFolderFailsAndLeavesNothing)
{
    TempWorkDir dir;
    CCsvWriter writer;
    writer.AddText(u"x");
    writer.EndRow();
    EXPECT_FALSE(writer.Save(dir.Path() / "missing" / "out.csv"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
