#include "TabCtrl.h"

#include "ControlKinds.h"
#include "NativeWindow.h"
#include "Notify.h"
#include "QtBridge.h"

#include <QTabBar>

namespace {
class TabWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* bar = new Bridged<QTabBar>(parent);
        bar->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        bar->setExpanding(false);
        bar->setDrawBase(true);
        QObject::connect(bar, &QTabBar::currentChanged, bar, [this](int index) { CurrentChanged(index); });
        return bar;
    }

    // Qt has changed the tab already; the desktop asks the parent while the old tab is still
    // current, and a non-zero answer keeps it.
    void CurrentChanged(int index)
    {
        if (quiet) {
            shown = index;
            return;
        }
        ShowQuietly(shown);
        if (NotifyTab(TCN_SELCHANGING) != 0 || destroyed)
            return;
        ShowQuietly(index);
        NotifyTab(TCN_SELCHANGE);
    }

    void ShowQuietly(int index)
    {
        quiet = true;
        Bar()->setCurrentIndex(index);
        quiet = false;
    }

    LRESULT NotifyTab(UINT code)
    {
        NMHDR header;
        header.hwndFrom = owner;
        header.idFrom = static_cast<UINT_PTR>(id);
        header.code = code;
        return destroyed ? 0 : SendToParent(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
    }

    QTabBar* Bar() const { return static_cast<QTabBar*>(widget.data()); }
    bool quiet = false;
    // The tab the parent knows as current.
    int shown = -1;
};

TabWindow* Kind(const CWnd* window)
{
    return window ? dynamic_cast<TabWindow*>(window->Native()) : nullptr;
}
}

std::unique_ptr<NativeWindow> MakeTabWindow(CWnd* owner)
{
    return std::make_unique<TabWindow>(owner);
}

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"SysTabControl32", u"", style, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, const std::u16string& text)
{
    TabWindow* tabs = Kind(this);
    if (!tabs)
        return -1;
    tabs->quiet = true;
    const int at = tabs->Bar()->insertTab(index, ToQString(text));
    tabs->quiet = false;
    return at;
}

BOOL CTabCtrl::DeleteAllItems()
{
    TabWindow* tabs = Kind(this);
    if (!tabs)
        return FALSE;
    tabs->quiet = true;
    while (tabs->Bar()->count() > 0)
        tabs->Bar()->removeTab(0);
    tabs->quiet = false;
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    TabWindow* tabs = Kind(this);
    return tabs ? tabs->Bar()->count() : 0;
}

int CTabCtrl::GetCurSel() const
{
    TabWindow* tabs = Kind(this);
    return tabs ? tabs->Bar()->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int index)
{
    TabWindow* tabs = Kind(this);
    if (!tabs || index < 0 || index >= tabs->Bar()->count())
        return -1;
    const int previous = tabs->Bar()->currentIndex();
    tabs->ShowQuietly(index);
    return previous;
}

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const
{
    TabWindow* tabs = Kind(this);
    if (!tabs || index < 0 || index >= tabs->Bar()->count())
        return FALSE;
    *rect = FromQRect(tabs->Bar()->tabRect(index));
    return TRUE;
}
