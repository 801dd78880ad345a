#include "ExportCommand.h"

#include "CsvWriter.h"
#include "DatabaseManager.h"
#include "FileDialog.h"
#include "GridCsv.h"
#include "JournalCodes.h"
#include "JournalExport.h"
#include "Menu.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "ViewInspect.h"

namespace {
// The page's own name, as the tabs of its view settings call it.
std::u16string TableName(int pageCode)
{
    switch (pageCode) {
    case PageSites:
        return Tr(StringId::PointViewSettingsTitle);
    case PageColonies:
        return Tr(StringId::FamilyViewSettingsTitle);
    default:
        return Tr(StringId::RecordViewSettingsTitle);
    }
}

bool SaveGrid(const CTableDrawer& grid, const std::filesystem::path& file)
{
    CCsvWriter csv;
    for (const auto& row : GridCsvRows(grid)) {
        for (const auto& cell : row)
            csv.AddText(cell);
        csv.EndRow();
    }
    return csv.Save(file);
}
}

CExportCommand::CExportCommand(CWnd* owner, IViewJournal* page, int pageCode)
    : m_owner(owner)
    , m_page(page)
    , m_pageCode(pageCode)
{
}

void CExportCommand::Run(POINT menuAt)
{
    auto* table = dynamic_cast<CViewTable*>(m_page);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(table ? MF_STRING : MF_GRAYED, IdCurrentTable, Tr(StringId::ExportCurrentTable));
    menu.AppendMenu(MF_STRING, IdWholeJournal, Tr(StringId::ExportWholeJournal));
    const UINT chosen = static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, menuAt.x, menuAt.y, m_owner));
    if (chosen == IdCurrentTable && table)
        ExportTable(*table);
    else if (chosen == IdCurrentTable)
        MessageBoxW(m_owner, Tr(StringId::ExportNoTable), Tr(StringId::ToolbarExport), MB_OK | MB_ICONINFORMATION);
    else if (chosen == IdWholeJournal)
        ExportWholeJournal();
}

void CExportCommand::ExportTable(CViewTable& table)
{
    CFileDialog dialog(false, u"csv", TableName(m_pageCode) + u".csv", Tr(StringId::CsvFileFilter), m_owner);
    dialog.SetTitle(Tr(StringId::ExportSaveTitle));
    if (dialog.DoModal() != IDOK)
        return;
    const std::filesystem::path file = ToPath(dialog.GetPathName());
    bool saved = SaveGrid(table.Grid().Drawer(), file);
    std::u16string paths = FromPath(file);
    // The hive lines of the selected record have columns of their own: they go into a file beside.
    auto* records = dynamic_cast<CViewInspect*>(&table);
    if (saved && records && !records->LowerGrid().Drawer().Rows().empty()) {
        std::filesystem::path hives = file;
        hives.replace_filename(ToPath(FromPath(file.stem()) + u" - " + Tr(StringId::HiveLinesFileSuffix) + u".csv"));
        saved = SaveGrid(records->LowerGrid().Drawer(), hives);
        paths += u"\n" + FromPath(hives);
    }
    Tell(saved ? StringId::ExportTableDone : StringId::ExportTableFailed, paths, !saved);
}

void CExportCommand::ExportWholeJournal()
{
    CFolderPickerDialog dialog({}, m_owner);
    dialog.SetTitle(Tr(StringId::ExportFolderTitle));
    if (dialog.DoModal() != IDOK)
        return;
    const bool exported = ExportJournal(CDatabaseLease().get(), ToPath(dialog.GetPathName()));
    Tell(exported ? StringId::ExportJournalDone : StringId::ExportJournalFailed, dialog.GetPathName(), !exported);
}

void CExportCommand::Tell(std::int32_t text, const std::u16string& paths, bool failed)
{
    MessageBoxW(m_owner, Tr(text) + u"\n" + paths, Tr(StringId::ToolbarExport),
        MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
}
