#include "ExportCommand.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "CareCache.h"
#include "ColonyEventsExport.h"
#include "CsvWriter.h"
#include "DatabaseManager.h"
#include "FieldSheet.h"
#include "FileDialog.h"
#include "GridCsv.h"
#include "ImportDialog.h"
#include "ImportMapping.h"
#include "JournalCodes.h"
#include "JournalExport.h"
#include "JournalHandlers.h"
#include "JournalJson.h"
#include "LanguageManager.h"
#include "MedicinesRegister.h"
#include "Menu.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "ReadableJournal.h"
#include "Registry.h"
#include "SheetTable.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "TaskCalendar.h"
#include "TaskWords.h"
#include "Text.h"
#include "Tr.h"
#include "SheetData.h"
#include "ViewInspect.h"
#include "WinterLossView.h"
#include "XlsxBook.h"


namespace {
constexpr char16_t kCsvStyleValue[] = u"csv_style";
constexpr char16_t kSemicolonStyle[] = u"semicolon";
constexpr char16_t kCommaStyle[] = u"comma";

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

// The style chosen in the menu, else the one the language's spreadsheets read.
bool SemicolonStyle()
{
    std::u16string style = ReadRegistryString(kCsvStyleValue, kMainSettingsKey);
    if (style.empty())
        style = GetLanguageManager()->GetConstant(kCsvStyleValue);
    return style == kSemicolonStyle;
}

CsvFormat ChosenFormat()
{
    return SemicolonStyle() ? CsvFormat { ';', ',' } : CsvFormat { ',', '.' };
}

bool SaveRows(const std::vector<std::vector<std::u16string>>& rows, const std::filesystem::path& file)
{
    CCsvWriter csv(ChosenFormat());
    for (const auto& row : rows) {
        for (const auto& cell : row)
            csv.AddText(cell);
        csv.EndRow();
    }
    return csv.Save(file);
}

bool SaveGrid(const CTableDrawer& grid, const std::filesystem::path& file)
{
    return SaveRows(GridCsvRows(grid, static_cast<char16_t>(ChosenFormat().decimalMark)), file);
}
}

CExportCommand::CExportCommand(CWnd* owner, IViewJournal* page, int pageCode, std::int32_t pageColony)
    : m_owner(owner)
    , m_page(page)
    , m_pageCode(pageCode)
    , m_pageColony(pageColony)
{
}

void CExportCommand::Run(POINT menuAt)
{
    auto* table = dynamic_cast<CViewTable*>(m_page);
    auto* winters = dynamic_cast<CWinterLossView*>(m_page);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(table || winters ? MF_STRING : MF_GRAYED, IdCurrentTable, Tr(StringId::ExportCurrentTable));
    menu.AppendMenu(table ? MF_STRING : MF_GRAYED, IdCurrentTableBook, Tr(StringId::ExportCurrentTableBook));
    menu.AppendMenu(MF_STRING, IdWholeJournal, Tr(StringId::ExportWholeJournal));
    menu.AppendMenu(MF_STRING, IdWholeJournalBook, Tr(StringId::ExportWholeJournalBook));
    menu.AppendMenu(MF_STRING, IdReadableBook, Tr(StringId::ExportReadableBook));
    menu.AppendMenu(MF_STRING, IdReadableCsv, Tr(StringId::ExportReadableCsv));
    menu.AppendMenu(MF_STRING, IdWholeJournalJson, Tr(StringId::ExportJournalJson));
    menu.AppendMenu(GetTaskCache()->Available() ? MF_STRING : MF_GRAYED, IdTasksCalendar, Tr(StringId::ExportTasksCalendar));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, IdImportJournalJson, Tr(StringId::ImportJournalJson));
    menu.AppendMenu(MF_STRING, IdImportTable, Tr(StringId::ImportTableMenu));
    menu.AppendMenu(MF_SEPARATOR);
    const std::vector<int> years = RegisterYears();
    for (std::size_t index = 0; index < years.size(); ++index) {
        menu.AppendMenu(GetCareCache()->Available() ? MF_STRING : MF_GRAYED, IdRegisterYears + static_cast<UINT>(index),
            TrFilled(StringId::RegisterMenu, { IntToText(years[index]) }));
    }
    std::vector<std::int32_t> sites;
    for (const auto& [id, site] : GetPointFamilyCache()->Points()) {
        menu.AppendMenu(
            MF_STRING, IdFieldSheets + static_cast<UINT>(sites.size()), TrFilled(StringId::FieldSheetMenu, { site.name }));
        sites.push_back(id);
    }
    menu.AppendMenu(MF_SEPARATOR);
    const bool semicolon = SemicolonStyle();
    menu.AppendMenu(MF_STRING | (semicolon ? 0 : MF_CHECKED), IdCommaStyle, Tr(StringId::CsvCommaStyle));
    menu.AppendMenu(MF_STRING | (semicolon ? MF_CHECKED : 0), IdSemicolonStyle, Tr(StringId::CsvSemicolonStyle));
    const UINT chosen = static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, menuAt.x, menuAt.y, m_owner));
    const bool tableChosen = chosen == IdCurrentTable || chosen == IdCurrentTableBook;
    if (tableChosen && table)
        ExportTable(*table, chosen == IdCurrentTableBook);
    else if (chosen == IdCurrentTable && winters)
        ExportWinterLosses(*winters);
    else if (tableChosen)
        MessageBoxW(m_owner, Tr(StringId::ExportNoTable), Tr(StringId::ToolbarExport), MB_OK | MB_ICONINFORMATION);
    else if (chosen == IdWholeJournal)
        ExportWholeJournal();
    else if (chosen == IdWholeJournalBook)
        ExportWholeJournalBook();
    else if (chosen == IdReadableBook)
        ExportReadableBook();
    else if (chosen == IdReadableCsv)
        ExportReadableCsv();
    else if (chosen == IdWholeJournalJson)
        ExportWholeJournalJson();
    else if (chosen == IdImportJournalJson)
        ImportJournalJson();
    else if (chosen == IdImportTable)
        ImportTable();
    else if (chosen == IdTasksCalendar)
        ExportTasksCalendar();
    else if (chosen >= IdRegisterYears && chosen < IdRegisterYears + years.size())
        PrintMedicinesRegister(years[chosen - IdRegisterYears], m_owner);
    else if (chosen >= IdFieldSheets && chosen < IdFieldSheets + sites.size())
        PrintFieldSheet(sites[chosen - IdFieldSheets], m_owner);
    else if (chosen == IdCommaStyle || chosen == IdSemicolonStyle)
        WriteRegistryString(chosen == IdSemicolonStyle ? kSemicolonStyle : kCommaStyle, kMainSettingsKey, kCsvStyleValue);
}

std::optional<std::filesystem::path> CExportCommand::AskFile(const std::u16string& name, FileKind kind) const
{
    struct Choice
    {
        const char16_t* extension;
        std::int32_t filter;
        std::int32_t title;
    };
    static constexpr Choice kChoices[] = {
        { u"csv", StringId::CsvFileFilter, StringId::ExportSaveTitle },
        { u"xlsx", StringId::XlsxFileFilter, StringId::ExportBookSaveTitle },
        { u"json", StringId::JsonFileFilter, StringId::ExportJsonSaveTitle },
        { u"json", StringId::JsonFileFilter, StringId::ImportTitle },
        { u"csv", StringId::ImportTableFilter, StringId::ImportTableTitle },
        { u"ics", StringId::CalendarFileFilter, StringId::ExportCalendarSaveTitle },
    };
    const Choice& choice = kChoices[static_cast<int>(kind)];
    const bool opening = kind == FileKind::JsonIn || kind == FileKind::TableIn;
    CFileDialog dialog(opening, choice.extension, opening ? std::u16string() : name + u"." + choice.extension,
        Tr(choice.filter), m_owner);
    dialog.SetTitle(Tr(choice.title));
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return ToPath(dialog.GetPathName());
}

std::optional<std::filesystem::path> CExportCommand::AskFolder() const
{
    CFolderPickerDialog dialog({}, m_owner);
    dialog.SetTitle(Tr(StringId::ExportFolderTitle));
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return ToPath(dialog.GetPathName());
}

void CExportCommand::ExportTable(CViewTable& table, bool book)
{
    const std::u16string name = TableName(m_pageCode);
    const auto file = AskFile(name, book ? FileKind::Book : FileKind::Csv);
    if (!file)
        return;
    // The hive lines of the selected record have columns of their own: they go into a file (or a
    // sheet) beside.
    auto* records = dynamic_cast<CViewInspect*>(&table);
    const CTableDrawer* hives = records && !records->LowerGrid().Drawer().Rows().empty() ? &records->LowerGrid().Drawer() : nullptr;
    std::u16string paths = FromPath(*file);
    bool saved = false;
    if (book) {
        CXlsxBook sheets;
        AddToBook(sheets, GridSheet(name, table.Grid().Drawer()));
        if (hives)
            AddToBook(sheets, GridSheet(Tr(StringId::HiveLinesFileSuffix), *hives));
        saved = sheets.Save(*file);
    } else {
        saved = SaveGrid(table.Grid().Drawer(), *file);
        if (saved && hives) {
            std::filesystem::path beside = *file;
            beside.replace_filename(ToPath(FromPath(file->stem()) + u" - " + Tr(StringId::HiveLinesFileSuffix) + u".csv"));
            saved = SaveGrid(*hives, beside);
            paths += u"\n" + FromPath(beside);
        }
    }
    Tell(saved ? StringId::ExportTableDone : StringId::ExportTableFailed, paths, !saved);
}

void CExportCommand::ExportWinterLosses(const CWinterLossView& winters)
{
    const auto file = AskFile(TableName(m_pageCode), FileKind::Csv);
    if (!file)
        return;
    const bool saved = SaveRows(winters.TableRows(), *file);
    Tell(saved ? StringId::ExportTableDone : StringId::ExportTableFailed, FromPath(*file), !saved);
}

void CExportCommand::ExportWholeJournal()
{
    const auto folder = AskFolder();
    if (!folder)
        return;
    CDatabaseLease database;
    const bool tables = ExportJournal(database.get(), *folder, ChosenFormat());
    const bool exported = ExportColonyEvents(database.get(), *folder, ChosenFormat()) && tables;
    Tell(exported ? StringId::ExportJournalDone : StringId::ExportJournalFailed, FromPath(*folder), !exported);
}

void CExportCommand::ExportWholeJournalBook()
{
    const auto file = AskFile(Tr(StringId::JournalBookName), FileKind::Book);
    if (!file)
        return;
    const bool exported = ExportJournalBook(CDatabaseLease().get(), *file);
    Tell(exported ? StringId::ExportBookDone : StringId::ExportBookFailed, FromPath(*file), !exported);
}

void CExportCommand::ExportReadableBook()
{
    const auto file = AskFile(Tr(StringId::ReadableJournalName), FileKind::Book);
    if (!file)
        return;
    const bool exported = SaveReadableBook(CDatabaseLease().get(), *file);
    Tell(exported ? StringId::ExportBookDone : StringId::ExportBookFailed, FromPath(*file), !exported);
}

void CExportCommand::ExportReadableCsv()
{
    const auto folder = AskFolder();
    if (!folder)
        return;
    const bool exported = SaveReadableCsv(CDatabaseLease().get(), *folder, ChosenFormat());
    Tell(exported ? StringId::ExportJournalDone : StringId::ExportJournalFailed, FromPath(*folder), !exported);
}

void CExportCommand::ExportWholeJournalJson()
{
    const auto file = AskFile(Tr(StringId::JournalBookName), FileKind::JsonOut);
    if (!file)
        return;
    const std::string json = JournalToJson(CDatabaseLease().get());
    const bool exported = !json.empty() && WriteFileAtomically(*file, json);
    Tell(exported ? StringId::ExportJsonDone : StringId::ExportJsonFailed, FromPath(*file), !exported);
}

void CExportCommand::ExportTasksCalendar()
{
    const auto file = AskFile(Tr(StringId::CalendarFileName), FileKind::Calendar);
    if (!file)
        return;
    const std::string calendar = TasksCalendar(GetTaskCache()->Tasks(), TaskDescription, CurrentTime());
    const bool exported = WriteFileAtomically(*file, calendar);
    Tell(exported ? StringId::ExportCalendarDone : StringId::ExportCalendarFailed, FromPath(*file), !exported);
}

void CExportCommand::ImportJournalJson()
{
    const auto file = AskFile({}, FileKind::JsonIn);
    if (file && GetJournalHandlers()->imports.Import(*file))
        Tell(StringId::ImportJsonDone, FromPath(*file), false);
}

void CExportCommand::ImportTable()
{
    const auto file = AskFile({}, FileKind::TableIn);
    if (!file)
        return;
    const std::optional<std::vector<SheetTable>> tables = ReadSheetFile(*file);
    if (!tables) {
        Tell(StringId::ImportTableUnreadable, FromPath(*file), true);
        return;
    }
    const SheetTable& table = RecordsTable(*tables);
    CImportDialog dialog(table, m_pageColony, m_owner);
    if (dialog.DoModal() != IDOK)
        return;
    if (const auto added = GetJournalHandlers()->tableImports.Import(table, dialog.Mapping(), m_pageColony))
        Tell(StringId::ImportTableDone, IntToText(static_cast<std::int64_t>(*added)), false);
}

void CExportCommand::Tell(std::int32_t text, const std::u16string& paths, bool failed)
{
    MessageBoxW(m_owner, Tr(text) + u"\n" + paths, Tr(StringId::ToolbarExport),
        MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
}
