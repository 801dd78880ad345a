#include "DrawerWindow.h"
#include "GridCsv.h"
#include "TableDrawer.h"

#include <gtest/gtest.h>

namespace {
// One row with a text, a decimal and a date column, as a page shows them.
std::vector<std::vector<std::u16string>> RowsOf(const std::u16string& weight, char16_t decimalMark)
{
    CDrawerWindow window;
    CTableDrawer drawer(&window);
    CTableHeader* name = drawer.AddHeader(u"Name", 512, ColumnText);
    CTableHeader* kilograms = drawer.AddHeader(u"Weight", 513, ColumnReal);
    CTableHeader* date = drawer.AddHeader(u"Date", 514, ColumnDate);
    auto row = CTableDrawer::NewRow(1, 2);
    drawer.AddCell(row.get(), u"North, 2.5 frames", name);
    drawer.AddCell(row.get(), weight, kilograms);
    drawer.AddCell(row.get(), u"09.03.2024", date);
    drawer.AddRow(std::move(row));
    return GridCsvRows(drawer, decimalMark);
}
}

TEST(GridCsv, DecimalsTakeTheFilesMarkWhicheverMarkTheyWereTypedWith)
{
    const auto rows = RowsOf(u"32.5", u',');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::u16string> { u"Name", u"Weight", u"Date" }));
    // Texts keep their marks; only the decimal column and the date change.
    EXPECT_EQ(rows[1], (std::vector<std::u16string> { u"North, 2.5 frames", u"32,5", u"2024-03-09" }));
    EXPECT_EQ(RowsOf(u"-0,75", u'.')[1][1], u"-0.75");
    EXPECT_EQ(RowsOf(u"12", u',')[1][1], u"12");
}

TEST(GridCsv, WhatIsNoPlainDecimalStaysAsTyped)
{
    for (const char16_t* typed : { u"1.234.5", u"about 3.5", u".5", u"5.", u"-", u"", u"1,2,3" })
        EXPECT_EQ(RowsOf(typed, u',')[1][1], typed);
}
