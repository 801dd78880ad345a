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

// The toolbar's export: a menu offers the table the page shows (a list page's or the winter losses') or the whole journal, asks where
// to write it and tells the user whether it was written.
class CExportCommand
{
public:
    static constexpr UINT IdCurrentTable = 1;
    static constexpr UINT IdWholeJournal = 2;

    // The page shown (a list page, a form or none) and its code.
    CExportCommand(CWnd* owner, IViewJournal* page, int pageCode);

    // Shows the menu with its top-left corner at the screen point (under the toolbar's button).
    void Run(POINT menuAt);

private:
    // Where the user wants the shown table's file; nothing when cancelled.
    std::optional<std::filesystem::path> AskFile() const;
    void ExportTable(CViewTable& table);
    void ExportWinterLosses(const CWinterLossView& winters);
    void ExportWholeJournal();
    // The saved files (or the folder) in a message with the text before them.
    void Tell(std::int32_t text, const std::u16string& paths, bool failed);

    CWnd* m_owner;
    IViewJournal* m_page;
    int m_pageCode;
};
