#include "MainWin.h"

#include "Cursor.h"
#include "Dc.h"
#include "FontHelper.h"
#include "IVisualComponent.h"
#include "KeyInput.h"
#include "LauncherIds.h"
#include "Rgn.h"
#include "StringIds.h"
#include "Tr.h"
#include "WinApp.h"

namespace {
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragPeriod = 10;
constexpr int kHeaderHeight = 30;
constexpr int kHeaderWidth = 450;
constexpr int kSideWidth = 205;
constexpr int kSideHeight = 475;
constexpr int kButtonWidth = 18;
constexpr std::size_t kTitleLength = 6;
}

CMainWin::CMainWin(std::vector<IVisualComponent*> components)
    : CWndImpl(static_cast<CWnd&>(*this))
    , m_components(std::move(components))
    , m_closeButton(kCloseBitmap, std::u16string(), PictureAtLeft)
    , m_minimizeButton(kMinimizeBitmap, std::u16string(), PictureAtLeft)
    , m_titleFont(CreateFontHelper(true, u"Book Antiqua", 22, true, false))
{
}

CMainWin::~CMainWin() = default;

int CMainWin::OnCreate(CREATESTRUCT* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    CRect window;
    GetWindowRect(&window);
    // Only the client area shows: no caption and no frame.
    const int border = (window.Width() - client.Width()) / 2;
    CRgn region;
    region.CreateRectRgn(border, window.Height() - client.Height() - border, border + client.Width(),
        window.Height() - border);
    SetWindowRgn(&region, FALSE);

    SetFont(m_titleFont.get(), FALSE);
    m_sideBitmap = std::make_unique<CBitmap>();
    m_sideBitmap->LoadBitmap(kSideBitmap);
    m_headerBitmap = std::make_unique<CBitmap>();
    m_headerBitmap->LoadBitmap(kHeaderBitmap);

    const int width = client.Width();
    m_closeButton.Create(CRect(width - kButtonWidth, 0, width, kHeaderHeight), this, IdClose);
    m_minimizeButton.Create(CRect(width - 2 * kButtonWidth, 0, width - kButtonWidth, kHeaderHeight), this, IdMinimize);
    for (IVisualComponent* component : m_components)
        component->GetButton();
    SetTimer(kDragTimer, kDragPeriod);
    return 0;
}

void CMainWin::Retranslate()
{
    if (!CWnd::IsCreated())
        return;
    SetWindowText(Tr(StringId::MainWindowCaption));
    Invalidate();
}

void CMainWin::OnDestroy()
{
    KillTimer(kDragTimer);
    CWnd::OnDestroy();
    PostQuitMessage(0);
}

BOOL CMainWin::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CMainWin::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kLauncherBackground);

    CDC pictures;
    pictures.CreateCompatibleDC(&dc);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&dc, kHeaderWidth, kHeaderHeight + kSideHeight);
    CBitmap* previousCanvas = pictures.SelectObject(&canvas);
    CDC source;
    source.CreateCompatibleDC(&dc);
    CBitmap* previousSource = source.SelectObject(m_headerBitmap.get());
    pictures.BitBlt(0, 0, kHeaderWidth, kHeaderHeight, &source, 0, 0, SRCCOPY);
    source.SelectObject(m_sideBitmap.get());
    pictures.BitBlt(0, kHeaderHeight, kSideWidth, kSideHeight, &source, 0, 0, SRCCOPY);
    source.SelectObject(previousSource);

    dc.StretchBlt(0, 0, client.Width(), kHeaderHeight, &pictures, 0, 0, kHeaderWidth, kHeaderHeight, SRCCOPY);
    // The side picture keeps its aspect ratio and fills the height below the header.
    const int height = client.Height() - kHeaderHeight;
    dc.StretchBlt(0, kHeaderHeight, height * kSideWidth / kSideHeight, height, &pictures, 0, kHeaderHeight, kSideWidth,
        kSideHeight, SRCCOPY);
    pictures.SelectObject(previousCanvas);

    dc.DrawIcon(0, 0, LoadIcon(kApplicationIcon));
    CFont* previousFont = dc.SelectObject(m_titleFont.get());
    dc.SetBkMode(TRANSPARENT);
    CRect title(35, 0, 100, kHeaderHeight);
    dc.DrawText(Tr(StringId::MainWindowCaption).substr(0, kTitleLength), &title,
        DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    dc.SelectObject(previousFont);
}

BOOL CMainWin::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != 0)
        return TRUE;
    const int id = LOWORD(wParam);
    if (id == IdClose)
        PostMessage(WM_CLOSE);
    else if (id == IdMinimize)
        ShowWindow(SW_MINIMIZE);
    for (IVisualComponent* component : m_components) {
        IWnd* button = component->GetButton();
        if (button && button->GetId() == id)
            component->Show();
    }
    return TRUE;
}

void CMainWin::OnLButtonDown(UINT flags, CPoint point)
{
    m_dragging = true;
    GetCursorPos(&m_lastCursor);
    CWnd::OnLButtonDown(flags, point);
}

void CMainWin::OnTimer(UINT_PTR id)
{
    if (id != kDragTimer)
        return CWnd::OnTimer(id);
    if (GetAsyncKeyState(VK_LBUTTON) >= 0) {
        m_dragging = false;
        return;
    }
    if (!m_dragging)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(cursor.x - m_lastCursor.x, cursor.y - m_lastCursor.y);
    m_lastCursor = cursor;
    MoveWindow(window, TRUE);
}
