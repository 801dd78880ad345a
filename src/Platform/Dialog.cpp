#include "Dialog.h"

#include "Brush.h"
#include "Button.h"
#include "ComboBox.h"
#include "DateTimeCtrl.h"
#include "Dc.h"
#include "DialogTemplates.h"
#include "Edit.h"
#include "ListBox.h"
#include "NativeWindow.h"
#include "ScrollBar.h"
#include "Static.h"
#include "TabCtrl.h"
#include "TreeCtrl.h"

#include <QEventLoop>

namespace {
DialogResponder* g_dialogResponder = nullptr;

std::unique_ptr<CWnd> MakeControl(const std::u16string& className)
{
    if (className == u"BUTTON")
        return std::make_unique<CButton>();
    if (className == u"EDIT")
        return std::make_unique<CEdit>();
    if (className == u"STATIC")
        return std::make_unique<CStatic>();
    if (className == u"COMBOBOX")
        return std::make_unique<CComboBox>();
    if (className == u"LISTBOX")
        return std::make_unique<CListBox>();
    if (className == u"SCROLLBAR")
        return std::make_unique<CScrollBar>();
    if (className == u"SysTreeView32")
        return std::make_unique<CTreeCtrl>();
    if (className == u"SysTabControl32")
        return std::make_unique<CTabCtrl>();
    if (className == u"SysDateTimePick32")
        return std::make_unique<CDateTimeCtrl>();
    return std::make_unique<CWnd>();
}

int MulDiv(int value, int numerator, int denominator)
{
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) / denominator);
}

bool TakesInput(CWnd* control)
{
    return dynamic_cast<CEdit*>(control) || dynamic_cast<CComboBox*>(control) || dynamic_cast<CListBox*>(control)
        || dynamic_cast<CDateTimeCtrl*>(control) || dynamic_cast<CTreeCtrl*>(control);
}

// The first control one can type into, so that typing at once is not lost and a space does not
// press a button; else the first control in the tab order. The children, not the dialog's own
// list: the program may have made or subclassed some of them.
CWnd* FirstFocus(const std::vector<CWnd*>& children)
{
    CWnd* firstStop = nullptr;
    for (CWnd* control : children) {
        const DWORD style = control->GetStyle();
        if (!(style & WS_TABSTOP) || !(style & WS_VISIBLE) || !control->IsWindowEnabled())
            continue;
        if (TakesInput(control))
            return control;
        if (!firstStop)
            firstStop = control;
    }
    return firstStop;
}

class DialogWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;
    bool IsControl() const override { return false; }
    bool OwnPaint() const override { return true; }
};
}

std::unique_ptr<NativeWindow> MakeDialogWindow(CWnd* owner)
{
    auto native = std::make_unique<DialogWindow>(owner);
    native->windowClass.hasBackground = true;
    native->windowClass.background = GetSysColor(COLOR_BTNFACE);
    native->windowClass.cursor = LoadCursor(IDC_ARROW);
    return native;
}

CDialog::CDialog(DialogTemplate dialogTemplate, CWnd* parent)
    : m_template(std::move(dialogTemplate))
    , m_parentWindow(parent)
{
    LOGFONTW font;
    font.lfHeight = -MulDiv(m_template.pointSize, 96, 72);
    font.lfWeight = FW_NORMAL;
    for (std::size_t i = 0; i < m_template.fontFace.size() && i + 1 < LF_FACESIZE; ++i)
        font.lfFaceName[i] = m_template.fontFace[i];
    m_font.CreateFontIndirect(&font);
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : CDialog(FindDialogTemplate(templateId), parent)
{
}

CDialog::CDialog(const DialogTemplate* found, CWnd* parent)
    : CDialog(found ? *found : DialogTemplate(), parent)
{
    m_hasTemplate = found != nullptr;
}

CDialog::~CDialog()
{
    m_controls.clear();
    if (IsCreated())
        DestroyWindow();
}

void CDialog::MapDialogRect(RECT* rect) const
{
    CClientDC dc(nullptr);
    dc.SelectObject(const_cast<CFont*>(&m_font));
    const SIZE letters = dc.GetTextExtent(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (letters.cx / 26 + 1) / 2;
    const int baseY = letters.cy;
    rect->left = MulDiv(rect->left, baseX, 4);
    rect->right = MulDiv(rect->right, baseX, 4);
    rect->top = MulDiv(rect->top, baseY, 8);
    rect->bottom = MulDiv(rect->bottom, baseY, 8);
}

std::intptr_t CDialog::DoModal()
{
    if (!m_hasTemplate)
        return -1;
    // The modal window takes the mouse: a button pressed to open it must not keep it.
    ReleaseCapture();
    m_ended = false;
    m_result = IDCANCEL;
    RECT size { 0, 0, m_template.cx, m_template.cy };
    MapDialogRect(&size);
    if (!CreateEx(0, u"#32770", m_template.caption, (m_template.style & ~(WS_CHILD | WS_VISIBLE)), CW_USEDEFAULT,
            CW_USEDEFAULT, size.right, size.bottom, m_parentWindow, 0))
        return -1;
    SetFont(&m_font, FALSE);
    m_controls.clear();
    for (const DialogItemTemplate& item : m_template.items) {
        RECT place { item.x, item.y, item.x + item.cx, item.y + item.cy };
        MapDialogRect(&place);
        std::unique_ptr<CWnd> control = MakeControl(item.className);
        if (control->CreateEx(item.exStyle, item.className, item.text, item.style | WS_CHILD, place, this, item.id)) {
            control->SetFont(&m_font, FALSE);
            m_controls.push_back(std::move(control));
        }
    }
    if (SendMessage(WM_INITDIALOG) && !m_ended) {
        if (CWnd* first = FirstFocus(GetChildren()))
            first->SetFocus();
    }
    if (QWidget* widget = WidgetOf(this)) {
        widget->setWindowModality(Qt::ApplicationModal);
        // A template places its controls once: a dialog without a sizing frame keeps its size.
        if (!(m_template.style & WS_THICKFRAME))
            widget->setFixedSize(widget->size());
        if (!m_ended)
            widget->show();
    }
    if (DialogResponder* responder = DialogResponder::Current()) {
        if (!m_ended)
            responder->Respond(*this);
    } else if (!m_ended) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    const int result = m_ended ? m_result : IDCANCEL;
    DestroyWindow();
    m_controls.clear();
    return result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    ShowWindow(SW_HIDE);
    if (m_loop)
        static_cast<QEventLoop*>(m_loop)->quit();
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

void CDialog::OnClose()
{
    OnCancel();
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

DialogResponder::DialogResponder()
    : m_previous(g_dialogResponder)
{
    g_dialogResponder = this;
}

DialogResponder::~DialogResponder()
{
    g_dialogResponder = m_previous;
}

DialogResponder* DialogResponder::Current()
{
    return g_dialogResponder;
}

void DialogResponder::Respond(CDialog& dialog)
{
    ++m_count;
    if (m_actions.empty())
        return;
    Action action = std::move(m_actions.front());
    m_actions.erase(m_actions.begin());
    action(dialog);
}
