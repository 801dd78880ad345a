#pragma once

#include "WinDefs.h"

#include <cstdint>
#include <string>

class CViewTable;
class CWnd;
class IViewJournal;

// The toolbar's export: a menu offers the table the page shows or the whole journal, asks where
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
    void ExportTable(CViewTable& table);
    void ExportWholeJournal();
    // The saved files (or the folder) in a message with the text before them.
    void Tell(std::int32_t text, const std::u16string& paths, bool failed);

    CWnd* m_owner;
    IViewJournal* m_page;
    int m_pageCode;
};
