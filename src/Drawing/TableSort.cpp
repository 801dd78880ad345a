#include "Calendar.h"
#include "TableDrawer.h"
#include "Text.h"

namespace {
template <class T>
int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareNoCase(const std::u16string& a, const std::u16string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int order = Order(FoldCase(a[i]), FoldCase(b[i]));
        if (order != 0)
            return order;
    }
    return Order(a.size(), b.size());
}
}

int CTableDrawer::CompareRows(const TableRow& a, const TableRow& b, int columnId, int columnType) const
{
    const std::u16string first = GetCellText(&a, columnId);
    const std::u16string second = GetCellText(&b, columnId);
    switch (columnType) {
    case ColumnInteger:
        return Order(WToI(first), WToI(second));
    case ColumnReal:
        // A decimal comma is the language's mark, not the end of the number.
        return Order(WToF(ReplaceAll(first, u",", u".")), WToF(ReplaceAll(second, u",", u".")));
    case ColumnCheck:
        if (first == u"-" && second == u"+")
            return -1;
        if (first == u"+" && second == u"-")
            return 1;
        return 0;
    case ColumnDate:
        return Order(ParseDateText(first), ParseDateText(second));
    default:
        return CompareNoCase(first, second);
    }
}

void CTableDrawer::QuickSort(int low, int high, int columnId, int columnType)
{
    while (low < high) {
        const TableRow* pivot = m_rows[static_cast<std::size_t>((low + high) / 2)].get();
        int i = low;
        int j = high;
        while (i <= j) {
            while (CompareRows(*m_rows[static_cast<std::size_t>(i)], *pivot, columnId, columnType) < 0)
                ++i;
            while (CompareRows(*m_rows[static_cast<std::size_t>(j)], *pivot, columnId, columnType) > 0)
                --j;
            if (i <= j) {
                std::swap(m_rows[static_cast<std::size_t>(i)], m_rows[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (i < high)
            QuickSort(i, high, columnId, columnType);
        high = j;
    }
}

void CTableDrawer::SortByColumn(int columnId)
{
    if (m_rows.empty())
        return;
    int columnType = ColumnText;
    for (const auto& header : m_headers) {
        if (header->ColumnId() == columnId) {
            columnType = header->ColumnType();
            break;
        }
    }
    QuickSort(0, static_cast<int>(m_rows.size()) - 1, columnId, columnType);
    Reindex();
}
