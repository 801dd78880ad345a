#include "MedicinesRegister.h"

#include "Calendar.h"
#include "CareCache.h"
#include "CareWords.h"
#include "JournalPrint.h"
#include "StringIds.h"
#include "TableDrawer.h"
#include "TablePrint.h"
#include "Text.h"
#include "Tr.h"

#include <functional>
#include <set>

namespace {
// Layout ids of the register's columns.
enum RegisterColumn : int
{
    FirstDayColumn = 1400,
    LastDayColumn,
    ProductColumn,
    SubstanceColumn,
    BatchColumn,
    DoseColumn,
    ColoniesColumn,
    WithheldColumn,
    PrescriberColumn,
};

struct Column
{
    int id;
    std::int32_t caption;
    int type;
    std::function<std::u16string(const Treatment&)> text;
};

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns {
        { FirstDayColumn, StringId::FirstDayLabel, ColumnDate, [](const Treatment& t) { return FormatDateText(t.date_start); } },
        { LastDayColumn, StringId::LastDayLabel, ColumnDate, [](const Treatment& t) { return FormatDateText(t.date_end); } },
        { ProductColumn, StringId::ProductLabel, ColumnText, [](const Treatment& t) { return ProductNameOf(t.id_product); } },
        { SubstanceColumn, StringId::SubstanceLabel, ColumnText,
            [](const Treatment& t) {
                const TreatmentProduct* product = GetCareCache()->FindProduct(t.id_product);
                return product ? product->substance : std::u16string();
            } },
        { BatchColumn, StringId::BatchLabel, ColumnText, [](const Treatment& t) { return t.batch; } },
        { DoseColumn, StringId::DoseLabel, ColumnText,
            [](const Treatment& t) { return DecimalText(t.dose) + (t.unit.empty() ? u"" : u" " + t.unit); } },
        { ColoniesColumn, StringId::ColoniesLabel, ColumnText, [](const Treatment& t) { return ColonyNamesOf(t.colonies); } },
        { WithheldColumn, StringId::WithdrawalEndColumn, ColumnDate,
            [](const Treatment& t) { return FormatDateText(WithdrawalEnd(t)); } },
        { PrescriberColumn, StringId::PrescriberLabel, ColumnText, [](const Treatment& t) { return t.prescriber; } },
    };
    return columns;
}
}

std::vector<int> RegisterYears()
{
    std::set<int, std::greater<int>> years;
    for (const Treatment& treatment : GetCareCache()->Treatments()) {
        for (int year = YearOf(treatment.date_start); year <= YearOf(treatment.date_end); ++year)
            years.insert(year);
    }
    if (years.empty())
        years.insert(YearOf(CurrentTime()));
    return { years.begin(), years.end() };
}

void FillRegister(CTableDrawer& grid, int year)
{
    grid.Clear();
    std::vector<CTableHeader*> headers;
    for (const Column& column : Columns())
        headers.push_back(grid.AddHeader(Tr(column.caption), column.id, column.type));
    int id = 0;
    for (const Treatment& treatment : GetCareCache()->Treatments()) {
        if (YearOf(treatment.date_start) > year || YearOf(treatment.date_end) < year)
            continue;
        auto row = CTableDrawer::NewRow(++id, 0);
        for (std::size_t index = 0; index < headers.size(); ++index)
            grid.AddCell(row.get(), Columns()[index].text(treatment), headers[index]);
        grid.AddRow(std::move(row));
    }
    grid.LayoutHeaders();
}

void PrintMedicinesRegister(int year, CWnd* parent)
{
    CTableDrawer grid(parent);
    FillRegister(grid, year);
    CTablePrint content(TrFilled(StringId::RegisterTitle, { IntToText(year) }));
    content.AddTable(grid, {});
    PreviewPrintout(content, parent);
}
