#include "PictureButton.h"

#include "CaptionWrap.h"
#include "Cursor.h"
#include "DarkenColor.h"
#include "Dc.h"
#include "FontHelper.h"
#include "LauncherIds.h"
#include "OwnerDraw.h"

#include <algorithm>

namespace {
constexpr COLORREF kPureWhite = 0x00FFFFFF;

std::unique_ptr<CBitmap> BitmapOf(const std::vector<COLORREF>& pixels, SIZE size)
{
    auto bitmap = std::make_unique<CBitmap>();
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    bitmap->CreateCompatibleBitmap(&screen, size.cx, size.cy);
    bitmap->SetPixels(pixels);
    return bitmap;
}
}

CPictureButton::CPictureButton(int bitmapResource, std::u16string caption, int layout)
    : CWndImpl(static_cast<CWnd&>(*this))
    , m_bitmapResource(bitmapResource)
    , m_caption(std::move(caption))
    , m_layout(layout)
{
}

CPictureButton::~CPictureButton() = default;

BOOL CPictureButton::Create(const RECT& rect, CWnd* parent, UINT id)
{
    return CButton::Create(m_caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CPictureButton::SetCaption(std::u16string caption)
{
    m_caption = std::move(caption);
    m_wrappedCaption.clear();
    if (CWnd::IsCreated()) {
        SetWindowText(m_caption);
        Invalidate();
    }
}

int CPictureButton::OnCreate(CREATESTRUCT* create)
{
    m_font = CreateFontHelper(true, u"Book Antiqua", 22, true, false);
    return CButton::OnCreate(create);
}

void CPictureButton::OnSize(UINT type, int cx, int cy)
{
    // The caption is wrapped again for the new width at the next draw.
    m_wrappedCaption.clear();
    CButton::OnSize(type, cx, cy);
}

BOOL CPictureButton::OnSetCursor(CWnd*, UINT, UINT)
{
    SetCursor(LoadCursor(IDC_HAND));
    return TRUE;
}

void CPictureButton::BuildImages()
{
    CBitmap source;
    if (!source.LoadBitmap(m_bitmapResource))
        return;
    std::vector<COLORREF> pixels = source.GetPixels();
    for (COLORREF& pixel : pixels) {
        if ((pixel & 0x00FFFFFF) == kPureWhite)
            pixel = kLauncherBackground;
    }
    m_normalImage = BitmapOf(pixels, source.GetSize());
    for (COLORREF& pixel : pixels)
        pixel = DarkenColor(pixel);
    m_pressedImage = BitmapOf(pixels, source.GetSize());
}

void CPictureButton::Layout(CDC& dc, const RECT& button)
{
    const SIZE image = m_normalImage ? m_normalImage->GetSize() : SIZE {};
    const int width = image.cx, height = image.cy;
    const int x = (button.right - button.left - width) / 2;
    switch (m_layout) {
    case PictureAtTop:
        m_imageRect = CRect(x, 0, x + width, height);
        m_textRect = CRect(0, height, button.right, button.bottom);
        break;
    case PictureAtLeft:
        m_imageRect = CRect(0, 0, width, height);
        m_textRect = CRect(width, 0, button.right, button.bottom);
        break;
    case PictureAtBottom:
        m_imageRect = CRect(x, button.bottom - height, x + width, button.bottom);
        m_textRect = CRect(0, 0, button.right, button.bottom - height);
        break;
    default:
        m_imageRect = CRect(button.right - width, 0, button.right, height);
        m_textRect = CRect(0, 0, button.right, button.bottom);
        break;
    }
    const WrappedCaption wrapped = WrapCaption(m_caption, m_textRect.Width(),
        [&dc](const std::u16string& text) { return static_cast<int>(dc.GetTextExtent(text).cx); });
    m_wrappedCaption = wrapped.text;
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    const int shift = (m_textRect.Height() - metrics.tmHeight * wrapped.lines) / 2;
    m_textRect.top += shift;
    m_textRect.bottom -= shift;
}

void CPictureButton::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC& dc = *item->hDC;
    if (!m_normalImage)
        BuildImages();
    CFont* previousFont = dc.SelectObject(m_font.get());
    if (m_wrappedCaption.empty())
        Layout(dc, item->rcItem);

    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    CBitmap* image = pressed ? m_pressedImage.get() : m_normalImage.get();
    const COLORREF background = pressed ? DarkenColor(kLauncherBackground) : kLauncherBackground;
    dc.FillSolidRect(&item->rcItem, background);
    if (image) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* previous = memory.SelectObject(image);
        dc.BitBlt(m_imageRect.left, m_imageRect.top, m_imageRect.Width(), m_imageRect.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }
    dc.SetBkColor(background);
    dc.SetTextColor(kLauncherCaption);
    CRect text = m_textRect;
    dc.DrawText(m_wrappedCaption, &text, DT_CENTER);
    dc.SelectObject(previousFont);
}
