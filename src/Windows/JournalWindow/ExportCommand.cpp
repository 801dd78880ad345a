#include "ExportCommand.h"

#include "ColonyEventsExport.h"
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
#include "WinterLossView.h"

namespace {
// The page's own name, as the tabs of its view settings call it.
std::u16string TableName(int pageCode)
{
    switch (pageCode) {
    case PageSites:
        return Tr(StringId::PointViewSettingsTitle);
    case PageColonies:
        return Tr(StringId::FamilyViewSettingsTitle);
    case PageWinterLosses:
        return Tr(StringId::WinterLossesTitle);
    default:
        return Tr(StringId::RecordViewSettingsTitle);
    }
}

bool SaveRows(const std::vector<std::vector<std::u16string>>& rows, const std::filesystem::path& file)
{
    CCsvWriter csv;
    for (const auto& row : rows) {
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
    auto* winters = dynamic_cast<CWinterLossView*>(m_page);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(table || winters ? MF_STRING : MF_GRAYED, IdCurrentTable, Tr(StringId::ExportCurrentTable));
    menu.AppendMenu(MF_STRING, IdWholeJournal, Tr(StringId::ExportWholeJournal));
    const UINT chosen = static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, menuAt.x, menuAt.y, m_owner));
    if (chosen == IdCurrentTable && table)
        ExportTable(*table);
    else if (chosen == IdCurrentTable && winters)
        ExportWinterLosses(*winters);
    else if (chosen == IdCurrentTable)
        MessageBoxW(m_owner, Tr(StringId::ExportNoTable), Tr(StringId::ToolbarExport), MB_OK | MB_ICONINFORMATION);
    else if (chosen == IdWholeJournal)
        ExportWholeJournal();
}

std::optional<std::filesystem::path> CExportCommand::AskFile() const
{
    CFileDialog dialog(false, u"csv", TableName(m_pageCode) + u".csv", Tr(StringId::CsvFileFilter), m_owner);
    dialog.SetTitle(Tr(StringId::ExportSaveTitle));
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return ToPath(dialog.GetPathName());
}

void CExportCommand::ExportWinterLosses(const CWinterLossView& winters)
{
    const std::optional<std::filesystem::path> file = AskFile();
    if (!file)
        return;
    const bool saved = SaveRows(winters.TableRows(), *file);
    Tell(saved ? StringId::ExportTableDone : StringId::ExportTableFailed, FromPath(*file), !saved);
}

void CExportCommand::ExportTable(CViewTable& table)
{
    const std::optional<std::filesystem::path> asked = AskFile();
    if (!asked)
        return;
    const std::filesystem::path file = *asked;
    bool saved = SaveRows(GridCsvRows(table.Grid().Drawer()), file);
    std::u16string paths = FromPath(file);
    // The hive lines of the selected record have columns of their own: they go into a file beside.
    auto* records = dynamic_cast<CViewInspect*>(&table);
    if (saved && records && !records->LowerGrid().Drawer().Rows().empty()) {
        std::filesystem::path hives = file;
        hives.replace_filename(ToPath(FromPath(file.stem()) + u" - " + Tr(StringId::HiveLinesFileSuffix) + u".csv"));
        saved = SaveRows(GridCsvRows(records->LowerGrid().Drawer()), hives);
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
    CDatabaseLease database;
    const std::filesystem::path folder = ToPath(dialog.GetPathName());
    const bool tables = ExportJournal(database.get(), folder);
    const bool exported = ExportColonyEvents(database.get(), folder) && tables;
    Tell(exported ? StringId::ExportJournalDone : StringId::ExportJournalFailed, dialog.GetPathName(), !exported);
}

void CExportCommand::Tell(std::int32_t text, const std::u16string& paths, bool failed)
{
    MessageBoxW(m_owner, Tr(text) + u"\n" + paths, Tr(StringId::ToolbarExport),
        MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
}
