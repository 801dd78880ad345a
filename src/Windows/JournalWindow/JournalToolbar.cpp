#include "JournalToolbar.h"

#include "LanguageManager.h"
#include "StringIds.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int kButtonsResource = 113;
constexpr int kDisabledImages = 114;
constexpr int kSecondGroupImages = 160;
constexpr int kSecondGroupDisabledImages = 161;
}

CJournalToolbar::CJournalToolbar()
    : CTrueColorToolBar(kCommandCount)
{
}

void CJournalToolbar::FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips)
{
    const UINT commands[kCommandCount] = { IdHousingManager, IdUnhandled, IdQueenManager, IdSettings, ID_SEPARATOR,
        IdPrint, IdExport, IdCharts, IdBackups };
    std::copy(std::begin(commands), std::end(commands), ids);
    ILanguageManager* language = GetLanguageManager();
    tooltips[IdHousingManager] = language->GetString(StringId::HousingManagerTitle);
    tooltips[IdUnhandled] = std::u16string();
    tooltips[IdQueenManager] = language->GetString(StringId::QueenManagerTitle);
    tooltips[IdSettings] = language->GetString(StringId::SettingsName);
    tooltips[IdPrint] = language->GetString(StringId::ToolbarPrint);
    tooltips[IdExport] = language->GetString(StringId::ToolbarExport);
    tooltips[IdCharts] = language->GetString(StringId::ToolbarCharts);
    tooltips[IdBackups] = language->GetString(StringId::ToolbarBackups);
}

BOOL CJournalToolbar::CreateBar(CWnd* parent)
{
    if (!CreateEx(parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY))
        return FALSE;
    if (!LoadToolBar(kButtonsResource) || !SetButtons(m_ids.get(), kCommandCount))
        return FALSE;
    return LoadButtonImages(TB_SETIMAGELIST, { kButtonsResource, kSecondGroupImages })
        && LoadButtonImages(TB_SETDISABLEDIMAGELIST, { kDisabledImages, kSecondGroupDisabledImages });
}
