#include "BookParts.h"
#include "Calendar.h"
#include "TempWorkDir.h"
#include "XlsxBook.h"

#include <gtest/gtest.h>

#include <fstream>

using Cell = CXlsxBook::Cell;

TEST(XlsxBook, NumbersDatesAndTextsKeepTheirKindsUnderABoldFrozenHeader)
{
    TempWorkDir dir;
    CXlsxBook book;
    book.AddSheet(u"Записи: пасека [1/2]", { u"Дата", u"Вес, кг", u"Заметка" },
        { { Cell::Date(ParseDateText(u"09.03.2024 14:30:00")), Cell::Number(32.5), Cell::Text(u"рой «Липа», 🐝") },
            { Cell::Date(ParseDateText(u"31.12.1999 00:00:00")), Cell::Number(-4), Cell::Text(u"") } });
    book.AddSheet(u"", { u"A" }, {});
    ASSERT_TRUE(book.Save(dir.Path() / "out.xlsx"));

    const BookParts read(dir.Path() / "out.xlsx");
    // Characters a sheet tab may not hold become blanks; a sheet without a name is numbered.
    ASSERT_EQ(read.SheetNames(), (std::vector<std::u16string> { u"Записи  пасека  1 2 ", u"Sheet 2" }));
    const BookParts::Sheet& sheet = read.Sheets()[0];
    EXPECT_EQ(sheet.frozenAt, "A2");
    const auto& cells = sheet.cells;
    EXPECT_EQ(cells.at("A1").value, u"Дата");
    EXPECT_TRUE(cells.at("A1").bold);
    EXPECT_TRUE(cells.at("C1").bold);
    EXPECT_EQ(cells.at("B2").type, "float");
    EXPECT_EQ(cells.at("B2").value, u"32.5");
    EXPECT_FALSE(cells.at("B2").bold);
    EXPECT_EQ(cells.at("B3").type, "int");
    EXPECT_EQ(cells.at("B3").value, u"-4");
    // Dates are dates to the reader; the time of day goes.
    EXPECT_EQ(cells.at("A2").type, "datetime");
    EXPECT_EQ(cells.at("A2").value, u"2024-03-09");
    EXPECT_EQ(cells.at("A3").value, u"1999-12-31");
    EXPECT_EQ(cells.at("C2").type, "str");
    EXPECT_EQ(cells.at("C2").value, u"рой «Липа», 🐝");
    EXPECT_EQ(cells.count("C3"), 0u);
    // Each column is as wide as its longest text, with a margin.
    EXPECT_NEAR(sheet.widths.at("C"), 16.0, 1.0);
    EXPECT_NEAR(sheet.widths.at("A"), 12.0, 1.0);
}

TEST(XlsxBook, ABookThatCannotBeWrittenFailsAndLeavesNothing)
{
    TempWorkDir dir;
    CXlsxBook book;
    book.AddSheet(u"Sites", { u"Name" }, { { Cell::Text(u"Meadow") } });
    EXPECT_FALSE(book.Save(dir.Path() / "missing" / "out.xlsx"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    // An existing file is replaced whole.
    std::ofstream(dir.Path() / "out.xlsx") << "old";
    ASSERT_TRUE(book.Save(dir.Path() / "out.xlsx"));
    EXPECT_EQ(BookParts(dir.Path() / "out.xlsx").Cells(1).at("A2").value, u"Meadow");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out.xlsx.partial"));
}
