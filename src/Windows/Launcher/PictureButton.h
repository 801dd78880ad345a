#pragma once

#include "Bitmap.h"
#include "Button.h"
#include "Font.h"
#include "Rect.h"
#include "Wnd.h"
#include "WndImpl.h"

#include <memory>
#include <string>

// An owner-drawn push button with a picture and a caption, in the launcher's colours.
class CPictureButton : public CButton, public CWndImpl
{
public:
    CPictureButton(int bitmapResource, std::u16string caption, int layout);
    ~CPictureButton() override;

    // A visible owner-drawn child push button of parent at rect with the command id.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    void SetCaption(std::u16string caption);

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;

    const std::u16string& GetWrappedCaption() const { return m_wrappedCaption; }

private:
    void BuildImages();
    void Layout(CDC& dc, const RECT& button);

    int m_bitmapResource;
    std::u16string m_caption;
    std::u16string m_wrappedCaption;
    int m_layout;
    std::unique_ptr<CBitmap> m_normalImage;
    std::unique_ptr<CBitmap> m_pressedImage;
    CRect m_imageRect;
    CRect m_textRect;
    std::unique_ptr<CFont> m_font;
};
