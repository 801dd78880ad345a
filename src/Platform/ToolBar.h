#pragma once

#include "Notify.h"
#include "Wnd.h"

class CImageList;

constexpr UINT TB_ENABLEBUTTON = WM_USER + 1;
constexpr UINT TB_ISBUTTONENABLED = WM_USER + 9;
constexpr UINT TB_SETIMAGELIST = WM_USER + 48;
constexpr UINT TB_SETDISABLEDIMAGELIST = WM_USER + 54;
constexpr DWORD TBSTYLE_TOOLTIPS = 0x0100;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_TOP = 0x2000;
constexpr UINT ID_SEPARATOR = 0;

// What a tool bar's tooltip asks for: idFrom is the button's command id; the text goes into
// szText (80 characters with the terminating zero) or lpszText.
struct NMTTDISPINFO
{
    NMHDR hdr;
    const char16_t* lpszText = nullptr;
    char16_t szText[80] = {};
    UINT uFlags = 0;
};

// A tool bar ("ToolbarWindow32") of image buttons. A press sends WM_COMMAND with the button's
// id (notification 0) to the parent; when the tooltip of a button is about to show, the bar
// sends itself WM_NOTIFY with TTN_GETDISPINFO. The image lists (TB_SETIMAGELIST for the
// normal, TB_SETDISABLEDIMAGELIST for the disabled look) are copied by the bar.
class CToolBar : public CWnd
{
public:
    BOOL CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
        UINT id = 0xE800);
    // Button i shows image i; ID_SEPARATOR makes a separator.
    BOOL SetButtons(const UINT* ids, int count);
    void SetSizes(SIZE button, SIZE image);
    // Takes the bitmap resource as the strip of the buttons' images: square cells as high as
    // the bitmap, white transparent. False when there is no such bitmap.
    BOOL LoadToolBar(int resource);
    BOOL EnableButton(UINT id, BOOL enable = TRUE);
    BOOL IsButtonEnabled(UINT id) const;
    int GetCount() const;
    UINT GetItemID(int index) const;
    // The button's rectangle in the bar's client coordinates.
    void GetItemRect(int index, RECT* rect) const;
    // The text its tooltip shows (asked through TTN_GETDISPINFO).
    std::u16string TooltipText(UINT id);
};
