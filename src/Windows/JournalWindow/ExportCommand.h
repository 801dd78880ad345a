#pragma once

#include "WinDefs.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class CViewTable;
class CWinterLossView;
class CWnd;
class IViewJournal;

// The toolbar's export: a menu offers the table the page shows (a list page's or the winter losses')
// or the whole journal (its tables as stored, or to read), as CSV or as a spreadsheet, and the CSV style; asks where to write it and
// tells the user whether it was written. It also takes in a journal for moving, or a table's rows
// as records, and prints the register of veterinary medicines of a year and a site's field sheet.
class CExportCommand
{
public:
    static constexpr UINT IdCurrentTable = 1;
    static constexpr UINT IdWholeJournal = 2;
    // The CSV style of the files, remembered: a comma between fields with a decimal point, or a
    // semicolon with a decimal comma. Until one is chosen, the style of the program's language.
    static constexpr UINT IdCommaStyle = 3;
    static constexpr UINT IdSemicolonStyle = 4;
    // The same as one spreadsheet file (.xlsx), with numbers and dates as a spreadsheet keeps them.
    static constexpr UINT IdCurrentTableBook = 5;
    static constexpr UINT IdWholeJournalBook = 6;
    // The whole journal as one document for moving it to another computer, and taking one in.
    static constexpr UINT IdWholeJournalJson = 7;
    static constexpr UINT IdImportJournalJson = 8;
    // The whole journal to read, in the beekeeper's words: one spreadsheet, or a CSV file per kind.
    static constexpr UINT IdReadableBook = 9;
    static constexpr UINT IdReadableCsv = 10;
    // Records from a table (CSV or .xlsx) by a mapping of its columns.
    static constexpr UINT IdImportTable = 11;
    // The tasks as an iCalendar file for a phone.
    static constexpr UINT IdTasksCalendar = 12;
    // The register of veterinary medicines of a year with treatments, latest first: one entry each.
    static constexpr UINT IdRegisterYears = 100;
    // The field sheet of a site to take to its hives: one entry per site.
    static constexpr UINT IdFieldSheets = 300;

    // The page shown (a list page, a form or none) and its code; the colony whose records it shows,
    // which takes a table's rows that name no colony.
    CExportCommand(CWnd* owner, IViewJournal* page, int pageCode, std::int32_t pageColony = 0);

    // Shows the menu with its top-left corner at the screen point (under the toolbar's button).
    void Run(POINT menuAt);

private:
    enum class FileKind
    {
        Csv,
        Book,
        JsonOut,
        // A journal document to open, not to write.
        JsonIn,
        // A table to open.
        TableIn,
        Calendar,
    };

    // The file to write, named after the page's table, or to read; none when the user cancelled.
    std::optional<std::filesystem::path> AskFile(const std::u16string& name, FileKind kind) const;
    // The folder to write a file per table into; none when the user cancelled.
    std::optional<std::filesystem::path> AskFolder() const;
    void ExportTable(CViewTable& table, bool book);
    void ExportWinterLosses(const CWinterLossView& winters);
    void ExportWholeJournal();
    void ExportWholeJournalBook();
    void ExportReadableBook();
    void ExportReadableCsv();
    void ExportWholeJournalJson();
    void ImportJournalJson();
    void ImportTable();
    void ExportTasksCalendar();
    // The saved files (or the folder) in a message with the text before them.
    void Tell(std::int32_t text, const std::u16string& paths, bool failed);

    CWnd* m_owner;
    IViewJournal* m_page;
    int m_pageCode;
    std::int32_t m_pageColony;
};
