#pragma once

#include "TrueColorToolBar.h"

// The journal window's commands: hive manager, an unhandled one, queen manager, settings; after a
// separator print, export, charts and backups.
class CJournalToolbar : public CTrueColorToolBar
{
public:
    static constexpr UINT IdHousingManager = 1110;
    static constexpr UINT IdUnhandled = 1111;
    static constexpr UINT IdQueenManager = 1112;
    static constexpr UINT IdSettings = 1113;
    static constexpr UINT IdPrint = 1114;
    static constexpr UINT IdExport = 1115;
    static constexpr UINT IdCharts = 1116;
    static constexpr UINT IdBackups = 1117;
    // The four buttons of each group and the separator between them.
    static constexpr int kCommandCount = 2 * kButtonCount + 1;

    CJournalToolbar();

    void FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips) override;
    BOOL CreateBar(CWnd* parent) override;
};
