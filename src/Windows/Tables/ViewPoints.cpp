#include "ViewPoints.h"

#include "GridBuilder.h"
#include "JournalColumns.h"
#include "ListColumn.h"
#include "PointFamilyCache.h"
#include "StringIds.h"
#include "Tr.h"

namespace {
using Point = CPointFamilyCache::Point;

}

CViewPoints::CViewPoints(JournalState* state)
    : CViewTable(state,
        { ActionAddSite, false, ActionChangeSite, ActionDeleteSite, StringId::DeletePoint, SiteNameColumn, false },
        { EventPointsChanged, EventPointViewSettingsChanged })
{
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
    builder.AddColumns(SiteColumns());
    builder.AddUserColumns(OwnerKind::Site, SiteUserColumns);
    for (const auto& [id, point] : GetPointFamilyCache()->Points())
        builder.AddRow(id, OwnerKind::Site, point.id_record, point);
    builder.Finish(0);
}
