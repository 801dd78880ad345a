#include "Calendar.h"
#include "CsvReader.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "XlsxBook.h"
#include "XlsxReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {
std::vector<std::u16string> Texts(const SheetRow& row)
{
    std::vector<std::u16string> texts;
    for (const SheetCell& cell : row.cells)
        texts.push_back(cell.text);
    return texts;
}

// A workbook as another program may write it: its sheet under its own name, strings written in
// the cells or shared in runs, a date in a format of its own and a gap between cells.
void WriteHandMadeBook(const std::filesystem::path& file)
{
    const std::filesystem::path script = file.parent_path() / "make_book.py";
    std::ofstream(script) << R"(
import sys, zipfile
parts = {
 '[Content_Types].xml': '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>',
 'xl/workbook.xml': '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Data" sheetId="1" r:id="rId7"/></sheets></workbook>',
 'xl/_rels/workbook.xml.rels': '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId7" Type="worksheet" Target="worksheets/data.xml"/></Relationships>',
 'xl/sharedStrings.xml': '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><r><t>Сем</t></r><r><t xml:space="preserve">ья </t></r></si><si><t>Дата</t></si></sst>',
 'xl/styles.xml': '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><numFmts><numFmt numFmtId="170" formatCode="d/m/yy;@"/><numFmt numFmtId="171" formatCode="0.0&quot; kg&quot;"/></numFmts><cellXfs><xf numFmtId="0"/><xf numFmtId="170"/><xf numFmtId="171"/></cellXfs></styleSheet>',
 'xl/worksheets/data.xml': '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
   '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="C1" t="s"><v>1</v></c></row>'
   '<row r="3"><c r="A3" t="inlineStr"><is><t>Липа</t></is></c><c r="B3" s="2"><v>2.5</v></c><c r="C3" s="1"><v>45448</v></c></row>'
   '</sheetData></worksheet>',
}
with zipfile.ZipFile(sys.argv[1], 'w') as book:
    for name, text in parts.items():
        book.writestr(name, text)
)";
    ASSERT_EQ(std::system(("python3 '" + script.string() + "' '" + file.string() + "'").c_str()), 0);
}
}

TEST(SheetReaderTest, CsvInUtf8WithQuotesLineBreaksAndBlankRows)
{
    const SheetTable table = ReadCsv("\xEF\xBB\xBF"
                                     "Пасека;Семья;Примечание\r\n"
                                     "Луг;\"Север\";\"сказал \"\"да\"\"; потом\nушёл\"\r\n"
                                     "\r\n"
                                     ";;\r\n"
                                     "Лес;Юг;2,5");
    EXPECT_EQ(table.header, (std::vector<std::u16string> { u"Пасека", u"Семья", u"Примечание" }));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].number, 2);
    EXPECT_EQ(Texts(table.rows[0]), (std::vector<std::u16string> { u"Луг", u"Север", u"сказал \"да\"; потом\nушёл" }));
    EXPECT_EQ(table.rows[1].number, 5);
    EXPECT_EQ(Texts(table.rows[1]), (std::vector<std::u16string> { u"Лес", u"Юг", u"2,5" }));
}

TEST(SheetReaderTest, CsvInWindows1251AndWithTabsIsReadToo)
{
    // "Пасека,Мёд\nЛуг,"2,5"" in Windows-1251.
    const SheetTable cp1251 = ReadCsv("\xCF\xE0\xF1\xE5\xEA\xE0,\xCC\xB8\xE4\n\xCB\xF3\xE3,\"2,5\"\n");
    EXPECT_EQ(cp1251.header, (std::vector<std::u16string> { u"Пасека", u"Мёд" }));
    ASSERT_EQ(cp1251.rows.size(), 1u);
    EXPECT_EQ(Texts(cp1251.rows[0]), (std::vector<std::u16string> { u"Луг", u"2,5" }));
    // A tab-separated header whose names hold commas.
    const SheetTable tabs = ReadCsv("Мёд, кг\tДата\n1,5\t01.02.2023\n");
    EXPECT_EQ(tabs.header, (std::vector<std::u16string> { u"Мёд, кг", u"Дата" }));
    EXPECT_EQ(Texts(tabs.rows.at(0)), (std::vector<std::u16string> { u"1,5", u"01.02.2023" }));
    EXPECT_EQ(DecodeCsvText("\xEF\xBB\xBF\xD0\x9B"), u"Л");
}

TEST(SheetReaderTest, TheProgramsOwnBookReadsBackWithNumbersAndDates)
{
    TempWorkDir dir;
    CXlsxBook book;
    const std::int64_t day = LocalMidnight(2024, 6, 5);
    book.AddSheet(u"Осмотры", { u"Семья", u"Дата", u"Мёд" },
        { { CXlsxBook::Cell::Text(u"Липа «1»"), CXlsxBook::Cell::Date(day), CXlsxBook::Cell::Number(12.5) },
            { CXlsxBook::Cell::Text(u"Дуб"), CXlsxBook::Cell::Text(u"05.06.2024"), CXlsxBook::Cell::Number(7) } });
    book.AddSheet(u"Ульи", { u"Улей" }, { { CXlsxBook::Cell::Text(u"Улей 7") } });
    const std::filesystem::path file = dir.Path() / "book.csv";
    ASSERT_TRUE(book.Save(file));
    // A book is known by its content, whatever its name says.
    const auto tables = ReadSheetFile(file);
    ASSERT_TRUE(tables);
    ASSERT_EQ(tables->size(), 2u);
    EXPECT_EQ(tables->back().header, std::vector<std::u16string> { u"Улей" });
    ASSERT_EQ(tables->back().rows.size(), 1u);
    EXPECT_EQ(tables->back().rows[0].cells.at(0).text, u"Улей 7");
    const SheetTable* table = &tables->front();
    EXPECT_EQ(table->header, (std::vector<std::u16string> { u"Семья", u"Дата", u"Мёд" }));
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0].cells.at(0).text, u"Липа «1»");
    EXPECT_EQ(table->rows[0].cells.at(1).date, day);
    EXPECT_EQ(table->rows[0].cells.at(1).text, u"05.06.2024");
    EXPECT_EQ(table->rows[0].cells.at(2).text, u"12.5");
    EXPECT_EQ(table->rows[1].cells.at(1), (SheetCell { u"05.06.2024", 0 }));
    EXPECT_EQ(table->rows[1].cells.at(2).text, u"7");
}

TEST(SheetReaderTest, AnotherProgramsBookWithInlineAndRunStringsGapsAndItsOwnDateFormat)
{
    TempWorkDir dir;
    const std::filesystem::path file = dir.Path() / "other.xlsx";
    WriteHandMadeBook(file);
    const auto tables = ReadXlsxSheets(file);
    ASSERT_TRUE(tables);
    ASSERT_EQ(tables->size(), 1u);
    const SheetTable* table = &tables->front();
    EXPECT_EQ(table->header, (std::vector<std::u16string> { u"Семья ", u"", u"Дата" }));
    ASSERT_EQ(table->rows.size(), 1u);
    EXPECT_EQ(table->rows[0].number, 3);
    EXPECT_EQ(Texts(table->rows[0]), (std::vector<std::u16string> { u"Липа", u"2.5", u"05.06.2024" }));
    // A number with text in its format is no date.
    EXPECT_EQ(table->rows[0].cells[1].date, 0);
    EXPECT_EQ(table->rows[0].cells[2].date, LocalMidnight(2024, 6, 5));
    EXPECT_EQ(SerialDate(0), 0);
    EXPECT_EQ(SerialDate(1e300), 0);
}

TEST(SheetReaderTest, FilesThatAreNoTableAreRefused)
{
    TempWorkDir dir;
    EXPECT_FALSE(ReadSheetFile(dir.Path() / "missing.csv"));
    std::ofstream(dir.Path() / "empty.csv") << "\r\n;;\r\n";
    EXPECT_FALSE(ReadSheetFile(dir.Path() / "empty.csv"));
    std::ofstream(dir.Path() / "broken.xlsx", std::ios::binary) << "PK\x03\x04 not really a zip";
    EXPECT_FALSE(ReadSheetFile(dir.Path() / "broken.xlsx"));
}
