#include "Wnd.h"

#include "Dc.h"
#include "OwnerDraw.h"
#include "ScrollBar.h"

// Hands the known messages to the handlers; the handlers' base versions give the message
// its default processing.
LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(lParam);
    const auto flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_SIZE:
        OnSize(flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_MOVE:
        OnMove(point.x, point.y);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : Default();
    case WM_NOTIFY: {
        LRESULT result = 0;
        return OnNotify(wParam, lParam, &result) ? result : Default();
    }
    case WM_LBUTTONDOWN: OnLButtonDown(flags, point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(flags, point); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, point); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, point); return 0;
    case WM_RBUTTONUP: OnRButtonUp(flags, point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(flags, point); return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), point);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<CWnd*>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
            HIWORD(static_cast<std::uintptr_t>(lParam)));
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_CHAR: {
        const auto packed = static_cast<std::uint32_t>(lParam);
        const UINT repeat = packed & 0xFFFF;
        const UINT keyFlags = packed >> 16;
        if (message == WM_KEYDOWN)
            OnKeyDown(flags, repeat, keyFlags);
        else if (message == WM_KEYUP)
            OnKeyUp(flags, repeat, keyFlags);
        else if (message == WM_SYSKEYDOWN)
            OnSysKeyDown(flags, repeat, keyFlags);
        else
            OnChar(flags, repeat, keyFlags);
        return 0;
    }
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<CWnd*>(lParam));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto* bar = dynamic_cast<CScrollBar*>(reinterpret_cast<CWnd*>(lParam));
        if (message == WM_HSCROLL)
            OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
        else
            OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
        return 0;
    }
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<CWnd*>(wParam), point);
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

int CWnd::OnCreate(CREATESTRUCT*) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }

void CWnd::OnPaint()
{
    // Painting nothing still validates the window.
    CPaintDC dc(this);
}

BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
bool CWnd::OnShortcut(UINT) { return false; }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }

void CWnd::OnDrawItem(int, DRAWITEMSTRUCT* item)
{
    if (item && item->hwndItem)
        item->hwndItem->DrawItem(item);
}

void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT* item)
{
    if (CWnd* control = item ? GetDlgItem(static_cast<int>(item->CtlID)) : nullptr)
        control->MeasureItem(item);
}

void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::DrawItem(DRAWITEMSTRUCT*) {}
void CWnd::MeasureItem(MEASUREITEMSTRUCT*) {}
