#include "Button.h"

#include "ControlKinds.h"
#include "NativeWindow.h"
#include "GdiDefs.h"
#include "OwnerDraw.h"
#include "QtBridge.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
class ButtonWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    DWORD Type() const { return style & BS_TYPEMASK; }

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        const QString caption = ToQString(create.lpszName);
        const DWORD type = create.style & BS_TYPEMASK;
        QWidget* made = nullptr;
        if (type == BS_GROUPBOX) {
            auto* group = new Bridged<QGroupBox>(caption, parent);
            group->setFocusPolicy(Qt::NoFocus);
            return group;
        }
        if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
            made = new Bridged<QCheckBox>(caption, parent);
        else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
            made = new Bridged<QRadioButton>(caption, parent);
        else
            made = new Bridged<QPushButton>(type == BS_OWNERDRAW ? QString() : caption, parent);
        auto* button = static_cast<QAbstractButton*>(made);
        if (type == BS_RADIOBUTTON)
            button->setAutoExclusive(false);
        button->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        QObject::connect(button, &QAbstractButton::clicked, button, [this, button, type] {
            // Only the automatic kinds change their check by themselves.
            if (type == BS_CHECKBOX || type == BS_RADIOBUTTON)
                button->setChecked(!button->isChecked());
            Notify(BN_CLICKED);
        });
        return made;
    }

    bool OwnPaint() const override { return Type() == BS_OWNERDRAW; }

    void Paint(QPaintEvent* event) override
    {
        auto* button = static_cast<QAbstractButton*>(widget.data());
        DrawWholeItem(event, ODT_BUTTON, button->isDown() || pushed ? ODS_SELECTED : 0);
    }

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        auto* button = qobject_cast<QAbstractButton*>(widget.data());
        switch (message) {
        case BM_GETCHECK:
            return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (button)
                button->setChecked(wParam == BST_CHECKED);
            return 0;
        case BM_GETSTATE:
            return (pushed || (button && button->isDown()) ? BST_PUSHED : 0) | (button && button->isChecked() ? BST_CHECKED : 0)
                | (widget && widget->hasFocus() ? BST_FOCUS : 0);
        case BM_SETSTATE:
            pushed = wParam != 0;
            if (button)
                button->setDown(pushed);
            return 0;
        case BM_CLICK:
            if (button)
                button->click();
            return 0;
        default:
            return NativeWindow::ClassProc(message, wParam, lParam);
        }
    }

    void SetText(const std::u16string& value) override
    {
        NativeWindow::SetText(value);
        if (auto* group = qobject_cast<QGroupBox*>(widget.data()))
            group->setTitle(ToQString(value));
        else if (auto* button = qobject_cast<QAbstractButton*>(widget.data()); button && Type() != BS_OWNERDRAW)
            button->setText(ToQString(value));
        if (widget)
            widget->update();
    }

    bool pushed = false;
};
}

std::unique_ptr<NativeWindow> MakeButtonWindow(CWnd* owner)
{
    return std::make_unique<ButtonWindow>(owner);
}

BOOL CButton::Create(const std::u16string& caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"BUTTON", caption, style, rect, parent, id);
}

int CButton::GetCheck() const
{
    return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

UINT CButton::GetState() const
{
    return static_cast<UINT>(const_cast<CButton*>(this)->SendMessage(BM_GETSTATE));
}

void CButton::SetState(BOOL pushed)
{
    SendMessage(BM_SETSTATE, pushed ? TRUE : FALSE);
}

void CButton::Click()
{
    SendMessage(BM_CLICK);
}
