#include "ToolBar.h"

#include "Bitmap.h"
#include "ControlKinds.h"
#include "ImageList.h"
#include "ImageListImages.h"
#include "NativeWindow.h"
#include "QtBridge.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>

namespace {
class ToolBarWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT&) override
    {
        auto* bar = new Bridged<QToolBar>(parent);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setIconSize(QSize(32, 32));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        return bar;
    }

    QToolBar* Bar() const { return static_cast<QToolBar*>(widget.data()); }

    void SetButtons(const UINT* newIds, int count)
    {
        Bar()->clear();
        ids.assign(newIds, newIds + count);
        actions.clear();
        for (UINT command : ids) {
            if (command == ID_SEPARATOR) {
                actions.push_back(Bar()->addSeparator());
                continue;
            }
            QAction* action = Bar()->addAction(QString());
            QObject::connect(action, &QAction::triggered, Bar(), [this, command] {
                SendToParent(WM_COMMAND, MAKEWPARAM(command, 0), reinterpret_cast<LPARAM>(owner));
            });
            QObject::connect(action, &QAction::hovered, Bar(), [this, command, action] {
                if (style & TBSTYLE_TOOLTIPS)
                    action->setToolTip(ToQString(static_cast<CToolBar*>(owner)->TooltipText(command)));
            });
            actions.push_back(action);
        }
        ApplyImages();
    }

    void ApplyImages()
    {
        int image = 0;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == ID_SEPARATOR)
                continue;
            QIcon icon;
            if (image < static_cast<int>(normal.size()))
                icon.addPixmap(QPixmap::fromImage(normal[static_cast<std::size_t>(image)]), QIcon::Normal);
            if (image < static_cast<int>(disabled.size()))
                icon.addPixmap(QPixmap::fromImage(disabled[static_cast<std::size_t>(image)]), QIcon::Disabled);
            actions[i]->setIcon(icon);
            ++image;
        }
    }

    QAction* ActionOf(UINT command) const
    {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == command && command != ID_SEPARATOR)
                return actions[i];
        }
        return nullptr;
    }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case TB_SETIMAGELIST:
        case TB_SETDISABLEDIMAGELIST: {
            const auto* list = reinterpret_cast<const CImageList*>(lParam);
            std::vector<QImage> images = list && list->IsCreated() ? list->Images().images : std::vector<QImage>();
            if (!images.empty())
                Bar()->setIconSize(list->Images().size);
            (message == TB_SETIMAGELIST ? normal : disabled) = std::move(images);
            ApplyImages();
            return 0;
        }
        case TB_ENABLEBUTTON:
            if (QAction* action = ActionOf(static_cast<UINT>(wParam))) {
                action->setEnabled(LOWORD(static_cast<std::uintptr_t>(lParam)) != 0);
                return TRUE;
            }
            return FALSE;
        case TB_ISBUTTONENABLED: {
            QAction* action = ActionOf(static_cast<UINT>(wParam));
            return action && action->isEnabled() ? TRUE : FALSE;
        }
        default:
            return NativeWindow::ClassProc(message, wParam, lParam);
        }
    }

    std::vector<UINT> ids;
    std::vector<QAction*> actions;
    std::vector<QImage> normal;
    std::vector<QImage> disabled;
    CWnd tooltip;
};

ToolBarWindow* Kind(const CWnd* window)
{
    return window ? dynamic_cast<ToolBarWindow*>(window->Native()) : nullptr;
}
}

std::unique_ptr<NativeWindow> MakeToolBarWindow(CWnd* owner)
{
    return std::make_unique<ToolBarWindow>(owner);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id)
{
    RECT client {};
    if (parent)
        parent->GetClientRect(&client);
    return CWnd::CreateEx(0, u"ToolbarWindow32", u"", style | controlStyle | TBSTYLE_TOOLTIPS, 0, 0, client.right, 40,
        parent, id);
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    ToolBarWindow* bar = Kind(this);
    if (!bar || count < 0)
        return FALSE;
    bar->SetButtons(ids, count);
    return TRUE;
}

void CToolBar::SetSizes(SIZE, SIZE image)
{
    if (ToolBarWindow* bar = Kind(this))
        bar->Bar()->setIconSize(QSize(image.cx, image.cy));
}

BOOL CToolBar::LoadToolBar(int resource)
{
    CBitmap strip;
    if (!Kind(this) || !strip.LoadBitmap(resource))
        return FALSE;
    const int side = strip.GetSize().cy;
    CImageList images;
    images.Create(side, side, ILC_COLOR32 | ILC_MASK, 0, 0);
    if (images.Add(&strip, RGB(255, 255, 255)) < 0)
        return FALSE;
    SetSizes(SIZE { side + 7, side + 6 }, SIZE { side, side });
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    return TRUE;
}

BOOL CToolBar::EnableButton(UINT id, BOOL enable)
{
    return static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(enable ? 1 : 0, 0)));
}

BOOL CToolBar::IsButtonEnabled(UINT id) const
{
    return static_cast<BOOL>(const_cast<CToolBar*>(this)->SendMessage(TB_ISBUTTONENABLED, id));
}

int CToolBar::GetCount() const
{
    ToolBarWindow* bar = Kind(this);
    return bar ? static_cast<int>(bar->ids.size()) : 0;
}

UINT CToolBar::GetItemID(int index) const
{
    ToolBarWindow* bar = Kind(this);
    return bar && index >= 0 && index < GetCount() ? bar->ids[static_cast<std::size_t>(index)] : 0;
}

void CToolBar::GetItemRect(int index, RECT* rect) const
{
    ToolBarWindow* bar = Kind(this);
    *rect = RECT {};
    if (bar && index >= 0 && index < GetCount())
        if (QWidget* button = bar->Bar()->widgetForAction(bar->actions[static_cast<std::size_t>(index)]))
            *rect = FromQRect(button->geometry());
}

std::u16string CToolBar::TooltipText(UINT id)
{
    ToolBarWindow* bar = Kind(this);
    if (!bar)
        return std::u16string();
    NMTTDISPINFO info;
    info.hdr.hwndFrom = &bar->tooltip;
    info.hdr.idFrom = id;
    info.hdr.code = TTN_GETDISPINFO;
    SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText)
        return std::u16string(info.lpszText);
    std::u16string text;
    for (std::size_t i = 0; i < std::size(info.szText) && info.szText[i]; ++i)
        text += info.szText[i];
    return text;
}
