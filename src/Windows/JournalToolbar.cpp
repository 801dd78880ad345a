#include "JournalToolbar.h"

#include "LanguageManager.h"
#include "StringIds.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int kButtonsResource = 113;
constexpr int kDisabledImages = 114;
}

void CJournalToolbar::FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips)
{
    const UINT commands[kButtonCount] = { IdHousingManager, IdUnhandled, IdQueenManager, IdSettings };
    std::copy(std::begin(commands), std::end(commands), ids);
    ILanguageManager* language = GetLanguageManager();
    tooltips[IdHousingManager] = language->GetString(StringId::HousingManagerTitle);
    tooltips[IdUnhandled] = std::u16string();
    tooltips[IdQueenManager] = language->GetString(StringId::QueenManagerTitle);
    tooltips[IdSettings] = language->GetString(StringId::SettingsName);
}

BOOL CJournalToolbar::CreateBar(CWnd* parent)
{
    if (!CreateEx(parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY))
        return FALSE;
    if (!LoadToolBar(kButtonsResource) || !SetButtons(m_ids.get(), kButtonCount))
        return FALSE;
    return LoadButtonImages(TB_SETIMAGELIST, kButtonsResource) && LoadButtonImages(TB_SETDISABLEDIMAGELIST, kDisabledImages);
}
