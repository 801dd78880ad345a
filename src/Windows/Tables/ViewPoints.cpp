#include "ViewPoints.h"

#include "GridBuilder.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
using Point = CPointFamilyCache::Point;
constexpr int kNameColumn = 256;
constexpr int kFirstUserColumn = 258;

const std::vector<CGridBuilder<Point>::Column>& Columns()
{
    static const std::vector<CGridBuilder<Point>::Column> columns {
        { kNameColumn, StringId::PointNameField, ColumnText, nullptr, [](const Point& p) { return p.name; } },
        { 257, StringId::NoteField, ColumnText, u"check_note", [](const Point& p) { return p.note; } },
    };
    return columns;
}
}

CViewPoints::CViewPoints(JournalState* state)
    : CViewTable(state,
        { ActionAddSite, false, ActionChangeSite, ActionDeleteSite, StringId::DeletePoint, kNameColumn, false },
        { EventPointsChanged, EventPointViewSettingsChanged })
{
    FillTable();
}

void CViewPoints::Prepare()
{
    m_state->page = PageSites;
    m_state->recordId = 0;
}

bool CViewPoints::Accepts(int tab, int kind, int action)
{
    return tab == 0 && kind == NodeNone && action == ActionShowList;
}

std::u16string CViewPoints::PrintTitle() const
{
    return Tr(StringId::PrintSitesTitle);
}

void CViewPoints::FillTable()
{
    CGridBuilder<Point> builder(Grid().Drawer(), StringId::PointViewSettingsTitle);
    builder.AddColumns(Columns());
    builder.AddUserColumns(OwnerKind::Site, kFirstUserColumn);
    for (const auto& [id, point] : GetPointFamilyCache()->Points())
        builder.AddRow(id, OwnerKind::Site, point.id_record, point);
    builder.Finish(0);
}
