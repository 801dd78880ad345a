#include "Static.h"

#include "ControlKinds.h"
#include "NativeWindow.h"
#include "GdiDefs.h"
#include "OwnerDraw.h"
#include "QtBridge.h"

#include <QLabel>

namespace {
class StaticWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* label = new Bridged<QLabel>(ToQString(create.lpszName), parent);
        label->setFocusPolicy(Qt::NoFocus);
        const DWORD type = create.style & SS_TYPEMASK;
        Qt::Alignment alignment = type == SS_CENTER ? Qt::AlignHCenter : type == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
        alignment |= create.style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop;
        label->setAlignment(alignment);
        label->setWordWrap(!(create.style & SS_CENTERIMAGE));
        return label;
    }

    bool OwnPaint() const override { return (style & SS_TYPEMASK) == SS_OWNERDRAW; }
    void Paint(QPaintEvent* event) override { DrawWholeItem(event, ODT_STATIC, 0); }

    void SetText(const std::u16string& value) override
    {
        NativeWindow::SetText(value);
        if (auto* label = qobject_cast<QLabel*>(widget.data()))
            label->setText(ToQString(value));
    }
};
}

std::unique_ptr<NativeWindow> MakeStaticWindow(CWnd* owner)
{
    return std::make_unique<StaticWindow>(owner);
}

BOOL CStatic::Create(const std::u16string& text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"STATIC", text, style, rect, parent, id);
}
