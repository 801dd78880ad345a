#pragma once

#include "TrueColorToolBar.h"

// The journal window's commands: hive manager, an unhandled one, queen manager, settings.
class CJournalToolbar : public CTrueColorToolBar
{
public:
    static constexpr UINT IdHousingManager = 1110;
    static constexpr UINT IdUnhandled = 1111;
    static constexpr UINT IdQueenManager = 1112;
    static constexpr UINT IdSettings = 1113;

    void FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips) override;
    BOOL CreateBar(CWnd* parent) override;
};
