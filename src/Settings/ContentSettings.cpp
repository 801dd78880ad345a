#include "ContentSettings.h"

#include "Brush.h"
#include "CommonControl.h"
#include "ControlEntry.h"
#include "CreateControl.h"
#include "Cursor.h"
#include "Dc.h"
#include "ISetting.h"
#include "Notify.h"
#include "SettingsManager.h"
#include "WindowClass.h"

#include <utility>

CContentSettings::CContentSettings(std::function<void()> changed, std::function<void()> focusOut)
    : m_changed(std::move(changed))
    , m_focusOut(std::move(focusOut))
{
}

CContentSettings::~CContentSettings() = default;

BOOL CContentSettings::Create(const RECT& rect, CWnd* parent, UINT id)
{
    const std::u16string windowClass = AfxRegisterWndClass(0, LoadCursor(IDC_ARROW), nullptr, nullptr);
    return CWnd::Create(windowClass, u"", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void CContentSettings::ShowPage(const std::u16string& caption)
{
    m_controls.clear();
    m_caption = caption;
    m_page = GetSettingsManager()->FindSetting(caption);
    if (m_page) {
        std::vector<ControlEntry*> entries = m_page->GetControls();
        UINT id = FirstControlId;
        for (ControlEntry* entry : entries) {
            std::unique_ptr<ControlEntry> owned(entry);
            if (std::unique_ptr<IControl> control = CreateControl(*owned, this, id))
                m_controls.push_back(std::move(control));
            id += ControlIdStep;
        }
    }
    Invalidate();
}

void CContentSettings::ShowSavedValues()
{
    if (!m_page)
        return;
    for (const auto& control : m_controls)
        control->SetValue(m_page->GetSavedValue(control->GetName()));
}

bool CContentSettings::ValidateAll()
{
    bool valid = true;
    for (const auto& control : m_controls)
        valid = control->Validate() && valid;
    return valid;
}

bool CContentSettings::FocusFirst()
{
    for (const auto& control : m_controls) {
        if (control->IsEnabled()) {
            control->SetFocus();
            return true;
        }
    }
    return false;
}

IControl* CContentSettings::ControlOf(UINT id) const
{
    for (const auto& control : m_controls)
        if (control->Window().GetDlgCtrlID() == static_cast<int>(id))
            return control.get();
    return nullptr;
}

IControl* CContentSettings::ControlNamed(const std::u16string& name) const
{
    for (const auto& control : m_controls)
        if (control->GetName() == name)
            return control.get();
    return nullptr;
}

void CContentSettings::FocusAfter(IControl* current)
{
    bool passed = current == nullptr;
    for (const auto& control : m_controls) {
        if (passed && control->IsEnabled()) {
            control->SetFocus();
            return;
        }
        passed = passed || control.get() == current;
    }
    m_focusOut();
}

LRESULT CContentSettings::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTROL_CHANGED:
        if (m_page) {
            m_page->SetValue(*reinterpret_cast<const std::u16string*>(wParam),
                *reinterpret_cast<const std::u16string*>(lParam));
            if (ValidateAll())
                m_changed();
        }
        return 0;
    case WM_CONTROL_REREAD:
        if (m_page) {
            const std::u16string& name = *reinterpret_cast<const std::u16string*>(lParam);
            if (IControl* control = ControlNamed(name))
                control->SetValue(m_page->GetValue(name));
        }
        return 0;
    case WM_COMMON_TAB:
        FocusAfter(dynamic_cast<IControl*>(reinterpret_cast<CCommonControl*>(lParam)));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CContentSettings::OnCommand(WPARAM wParam, LPARAM)
{
    if (IControl* control = ControlOf(LOWORD(wParam))) {
        control->OnNotification(HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

BOOL CContentSettings::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (IControl* control = ControlOf(static_cast<UINT>(header->idFrom))) {
        control->OnNotification(header->code);
        *result = 0;
        return TRUE;
    }
    return FALSE;
}

BOOL CContentSettings::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CContentSettings::OnDestroy()
{
    // The controls go with the window; the next window builds its form again.
    m_controls.clear();
    m_page = nullptr;
    CWnd::OnDestroy();
}
