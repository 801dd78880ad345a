#pragma once

#include "Rect.h"
#include "WinMessages.h"
#include "WinStyles.h"

#include <memory>
#include <string>
#include <vector>

class CDC;
class CFont;
class CRgn;
class CScrollBar;
class NativeWindow;
struct DRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT;
struct SCROLLINFO; // ScrollBar.h

// What WM_CREATE carries.
struct CREATESTRUCT
{
    void* lpCreateParams = nullptr;
    UINT_PTR hMenu = 0; // the control id of a child window
    CWnd* hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    std::u16string lpszName;
    std::u16string lpszClass;
    DWORD dwExStyle = 0;
};

// A window object. The object owns its native window, which can be created, destroyed and
// created again while the object lives; destroying the native window never deletes the object.
// Messages keep their desktop numbers: WindowProc receives every message and hands the known
// ones to the On... handlers, whose base versions perform the default processing (Default).
class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Class names: a class registered with RegisterClass, or a control class ("BUTTON", "EDIT",
    // "STATIC", "COMBOBOX", "LISTBOX", "SCROLLBAR", "SysTreeView32", "SysTabControl32",
    // "SysDateTimePick32", "ToolbarWindow32"). Without WS_CHILD the window is top-level; it has a
    // title bar and frame only with WS_CAPTION. x, y, width and height are the window rectangle
    // (GetWindowRect's): a top-level window's frame, a child's border and scroll bars are inside
    // it, and its client area is what is left (CW_USEDEFAULT as x lets the desktop place a
    // top-level window, as width gives it a default size). WS_BORDER gives a window of a
    // registered class a one-pixel black border, WS_HSCROLL and WS_VSCROLL its own scroll bars.
    virtual BOOL CreateEx(DWORD exStyle, const std::u16string& className, const std::u16string& windowName,
        DWORD style, int x, int y, int width, int height, CWnd* parent, UINT id, void* param = nullptr);
    BOOL CreateEx(DWORD exStyle, const std::u16string& className, const std::u16string& windowName,
        DWORD style, const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
    virtual BOOL Create(const std::u16string& className, const std::u16string& windowName, DWORD style,
        const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
    // Sends WM_DESTROY to the window and then to its children, and removes the native windows.
    virtual BOOL DestroyWindow();

    bool IsCreated() const { return m_native != nullptr; }
    // The window as a handle while its native window exists, otherwise null.
    HWND GetSafeHwnd() const { return m_native ? const_cast<CWnd*>(this) : nullptr; }

    // Synchronous delivery to WindowProc; 0 when the window does not exist.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message; it is delivered from the message loop. False when the window does not exist.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    // The window class's processing of any message: the built-in behaviour of controls and the
    // desktop's defaults (WM_CLOSE destroys the window, WM_SETCURSOR shows the class cursor ...).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Offered every key press in the window or its children before the focused window sees it,
    // as a frame's shortcuts are; true when the key was taken.
    virtual bool OnShortcut(UINT key);

    void GetClientRect(RECT* rect) const;
    // In screen coordinates, with the frame of a captioned window.
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    // Child windows take parent client coordinates, top-level windows screen coordinates and
    // their frame (the rectangle GetWindowRect gives); SetWindowPos as well.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Clips the window to the region (in window coordinates); null removes the clipping. The
    // window takes over the region's shape; the region object stays the caller's.
    int SetWindowRgn(const CRgn* region, BOOL redraw);

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    void SetWindowText(const std::u16string& text);
    std::u16string GetWindowText() const;
    int GetWindowTextLength() const;
    // The font is used, not owned: it must outlive its use by the window.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    DWORD GetStyle() const;
    int GetDlgCtrlID() const;
    std::u16string GetClassName() const;

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    std::vector<CWnd*> GetChildren() const;
    // Makes this object, not yet created, the window of the parent's child `id` (a control of a
    // dialog template): it then gets the control's messages, and Default gives the control's own
    // behaviour.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    CWnd* SetFocus();
    static CWnd* GetFocus();
    // The window that loses the capture (to ReleaseCapture, another window's SetCapture, a pop-up
    // menu, a modal dialog or message box, or the toolkit) gets WM_CAPTURECHANGED with the window
    // gaining it as lParam (or 0).
    // While a window has the capture no WM_SETCURSOR is sent.
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // The window's own scroll bars (bar SB_HORZ or SB_VERT; SB_BOTH for ShowScrollBar), for
    // windows of registered classes. A user action on a bar sends WM_HSCROLL / WM_VSCROLL with a
    // null lParam (SB_THUMBTRACK and SB_THUMBPOSITION carry the thumb position, SB_ENDSCROLL
    // follows each action); the position moves only when the program sets it. A range change
    // leaving nothing to scroll hides the bar (disables it with SIF_DISABLENOSCROLL), one giving
    // something to scroll shows it; showing or hiding a bar resizes the client area.
    BOOL SetScrollInfo(int bar, const SCROLLINFO* info, BOOL redraw = TRUE);
    // Fills the fields of the mask (SIF_TRACKPOS: the thumb while it is dragged, else the position).
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const;
    // Returns the previous position.
    int SetScrollPos(int bar, int position, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    BOOL SetForegroundWindow();

    // Starts (or restarts) the window timer; WM_TIMER arrives every `elapse` milliseconds
    // until KillTimer or the destruction of the native window.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unused = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // The handlers; each base version performs the default processing.
    virtual int OnCreate(CREATESTRUCT* create);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnTimer(UINT_PTR id);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    // The point is in screen coordinates, as the wheel message carries it.
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnMouseLeave();
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnSetFocus(CWnd* oldWindow);
    virtual void OnKillFocus(CWnd* newWindow);
    virtual void OnCaptureChanged(CWnd* gaining);
    virtual void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar);
    virtual void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar);
    // Owner drawing: the parent's base versions hand the request to the control's DrawItem.
    virtual void OnDrawItem(int id, DRAWITEMSTRUCT* item);
    virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
    virtual void OnContextMenu(CWnd* window, CPoint screenPoint);
    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);

    // Private to the platform layer.
    NativeWindow* Native() const { return m_native.get(); }

protected:
    // Called after the native window is gone (the object stays).
    virtual void PostNcDestroy() {}

private:
    void DestroyNative();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<NativeWindow> m_native;
};

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL ReleaseCapture();

// WM_MOUSELEAVE is delivered once after each request, when the pointer leaves the window.
constexpr DWORD TME_LEAVE = 0x00000002;
struct TRACKMOUSEEVENT
{
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = TME_LEAVE;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};
BOOL TrackMouseEvent(TRACKMOUSEEVENT* request);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
int GetSystemMetrics(int index);
