#pragma once

#include "Bitmap.h"
#include "Font.h"
#include "PictureButton.h"
#include "Wnd.h"
#include "WndImpl.h"

#include <memory>
#include <vector>

class IVisualComponent;

// The launcher: a borderless window with a painted header, a side picture and one picture
// button per visual component. It follows the mouse while the left button is held on its body;
// destroying it ends the program.
class CMainWin : public CWnd, public CWndImpl
{
public:
    explicit CMainWin(std::vector<IVisualComponent*> components);
    ~CMainWin() override;

    // The caption and the painted title in the current language.
    void Retranslate();

    int OnCreate(CREATESTRUCT* create) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;

private:
    std::vector<IVisualComponent*> m_components;
    CPictureButton m_closeButton;
    CPictureButton m_minimizeButton;
    std::unique_ptr<CFont> m_titleFont;
    std::unique_ptr<CBitmap> m_headerBitmap;
    std::unique_ptr<CBitmap> m_sideBitmap;
    bool m_dragging = false;
    POINT m_lastCursor {};
};
