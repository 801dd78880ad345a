#include "TrueColorToolBar.h"

#include "Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr COLORREF kMaskColor = 0x00FFFFFF;
}

CTrueColorToolBar::CTrueColorToolBar(int idCount)
    : m_ids(std::make_unique<UINT[]>(static_cast<std::size_t>(idCount)))
{
}

CTrueColorToolBar::~CTrueColorToolBar() = default;

BOOL CTrueColorToolBar::LoadButtonImages(UINT message, std::initializer_list<int> bitmapResources)
{
    auto images = std::make_unique<CImageList>();
    if (!images->Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK, kButtonCount, 0))
        return FALSE;
    for (const int resource : bitmapResources) {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(resource) || images->Add(&bitmap, kMaskColor) < 0)
            return FALSE;
    }
    SendMessage(message, 0, reinterpret_cast<LPARAM>(images.get()));
    m_imageLists.push_back(std::move(images));
    return TRUE;
}

int CTrueColorToolBar::OnCreate(CREATESTRUCT* create)
{
    FillButtons(m_ids.get(), m_tooltips);
    return CToolBar::OnCreate(create);
}

BOOL CTrueColorToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || header->code != TTN_GETDISPINFO)
        return CToolBar::OnNotify(wParam, lParam, result);
    auto* info = reinterpret_cast<NMTTDISPINFO*>(lParam);
    const UINT id = static_cast<UINT>(header->idFrom);
    if (id == 0)
        return TRUE;
    // The buffer holds 80 characters with the terminating zero: longer texts are cut to 79.
    std::memset(info->szText, 0, sizeof info->szText);
    const auto found = m_tooltips.find(id);
    if (found != m_tooltips.end()) {
        const std::size_t length = std::min(found->second.size(), std::size(info->szText) - 1);
        std::copy_n(found->second.begin(), length, info->szText);
    }
    if (CWnd* tooltip = header->hwndFrom)
        tooltip->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}
