#include "AddChangeView.h"

#include "Brush.h"
#include "ComboBoxItem.h"
#include "Cursor.h"
#include "Dc.h"
#include "EditItem.h"
#include "HeaderItem.h"
#include "JournalAction.h"
#include "KeyInput.h"
#include "KeyProcess.h"
#include "MessageBox.h"
#include "Pen.h"
#include "SectionItem.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "UserFieldStore.h"

#include <algorithm>

namespace {
constexpr int kPanelHeight = 50;
constexpr int kScrollBarWidth = 17;
constexpr int kLineStep = 10;
constexpr int kWheelStep = 30;
// The scroll codes the wheel turns into.
constexpr UINT kWheelUp = 9;
constexpr UINT kWheelDown = 10;
// The key-down flag bit that says Alt was held.
constexpr UINT kAltContext = 0x2000;
}

CAddChangeView::CAddChangeView(JournalState* state, IJournalComponent& journal, std::vector<std::int32_t> events)
    : CEmptyViewJournal(state)
    , m_journal(journal)
    , m_editor(this)
    , m_subscription(this, std::move(events))
{
}

CAddChangeView::~CAddChangeView() = default;

int CAddChangeView::OnCreate(CREATESTRUCT* create)
{
    if (CEmptyViewJournal::OnCreate(create) == -1)
        return -1;
    m_targetId = m_state->recordId;
    m_values.clear();
    m_userFields.clear();
    m_scrollPosition = 0;
    m_saveEnabled = true;
    LoadValues();
    BuildForm();
    RECT client {};
    GetClientRect(&client);
    m_save.Create(Tr(StringId::ButtonSave), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, client, this, IdSaveButton);
    m_cancel.Create(
        Tr(StringId::ButtonCancel), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, client, this, IdCancelButton);
    if (OffersNext())
        m_saveNext.Create(Tr(StringId::SaveAndNextColony), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, client,
            this, IdSaveNextButton);
    m_scrollBar.Create(WS_CHILD | SBS_VERT, client, this, IdFormScrollBar);
    EnableSave(m_saveEnabled);
    Layout();
    CollectValues();
    m_opened = m_values;
    // The caret waits in the first field.
    m_editor.OnKey(VK_TAB, 0);
    return 0;
}

void CAddChangeView::OnEvent()
{
    if (!CWnd::IsCreated())
        return;
    CollectValues();
    BuildForm();
    Refresh();
}

void CAddChangeView::CollectValues()
{
    for (const auto& [key, item] : m_fields)
        m_values[key] = item->GetValue();
}

void CAddChangeView::ClearForm()
{
    m_editor.Clear();
    m_fields.clear();
}

void CAddChangeView::AddTitle()
{
    m_editor.AddItem(std::make_unique<CHeaderItem>(GetTitle()));
}

CEditItem* CAddChangeView::AddField(int key, std::int32_t labelId, int controlType, bool hidden)
{
    auto* item = static_cast<CEditItem*>(
        m_editor.AddItem(std::make_unique<CEditItem>(Tr(labelId), key, controlType, Value(key))));
    item->SetHidden(hidden);
    m_fields[key] = item;
    return item;
}

CComboBoxItem* CAddChangeView::AddChoice(int key, std::int32_t labelId, std::int32_t firstTextId, int count, bool hidden)
{
    auto* item = static_cast<CComboBoxItem*>(m_editor.AddItem(std::make_unique<CComboBoxItem>(Tr(labelId), key)));
    for (int choice = 0; choice < count; ++choice)
        item->AddString(choice, Tr(firstTextId + choice));
    item->SelectKey(WToI(Value(key)));
    item->SetHidden(hidden);
    m_fields[key] = item;
    return item;
}

void CAddChangeView::AddUserFields(OwnerKind owner, int firstKey, std::int32_t idRecord)
{
    // Fields may have come or gone since the last build: what was typed follows the field's name.
    std::map<std::u16string, std::u16string> typed;
    for (const auto& [key, name] : m_userFields) {
        const auto found = m_values.find(key);
        if (found != m_values.end())
            typed[name] = found->second;
        m_values.erase(key);
    }
    m_userFields.clear();

    const std::vector<CUserFieldStore::Field> userFields = GetUserFieldStore()->Fields(owner);
    if (userFields.empty())
        return;
    FieldValues stored = GetUserFieldStore()->ValuesOf(idRecord);

    m_editor.AddItem(std::make_unique<CSectionItem>(Tr(StringId::AdditionalHeader), firstKey, &m_editor));
    int key = firstKey;
    for (const CUserFieldStore::Field& field : userFields) {
        ++key;
        const auto fromTyped = typed.find(field.name);
        m_values[key] = fromTyped != typed.end() ? fromTyped->second : stored[field.name];
        m_fields[key] = m_editor.AddItem(
            std::make_unique<CEditItem>(field.name, key, ControlTypeOfUserField(field.type), m_values[key]));
        m_userFields.emplace_back(key, field.name);
    }
}

std::map<std::u16string, std::u16string> CAddChangeView::UserFieldValues() const
{
    std::map<std::u16string, std::u16string> values;
    for (const auto& [key, name] : m_userFields)
        values[name] = Value(key);
    return values;
}

std::u16string CAddChangeView::Value(int key) const
{
    const auto found = m_values.find(key);
    return found != m_values.end() ? found->second : std::u16string();
}

bool CAddChangeView::NameGiven(int key)
{
    if (!IsBlank(Value(key)))
        return true;
    AfxMessageBox(Tr(StringId::NameRequired), MB_OK | MB_ICONWARNING);
    return false;
}

void CAddChangeView::EnableSave(bool enable)
{
    m_saveEnabled = enable;
    if (m_save.IsCreated())
        m_save.EnableWindow(enable);
    if (m_saveNext.IsCreated())
        m_saveNext.EnableWindow(enable && NextForm().has_value());
}

void CAddChangeView::Refresh()
{
    Layout();
    Invalidate();
}

void CAddChangeView::Layout()
{
    if (!m_scrollBar.IsCreated())
        return;
    RECT client {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int page = std::max(0, static_cast<int>(client.bottom - client.top) - kPanelHeight);
    m_editor.Layout(width);
    m_scrolls = m_editor.TotalHeight() > page;
    if (m_scrolls)
        m_editor.Layout(width - kScrollBarWidth);
    m_save.MoveWindow(client.left + 10, client.bottom - 40, 110, 30);
    m_cancel.MoveWindow(client.left + 130, client.bottom - 40, 110, 30);
    if (m_saveNext.IsCreated())
        m_saveNext.MoveWindow(client.left + 250, client.bottom - 40, 240, 30);
    m_scrollBar.MoveWindow(client.right - kScrollBarWidth, client.top, kScrollBarWidth, page);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = std::max(0, m_editor.TotalHeight() - 1);
    info.nPage = static_cast<UINT>(page);
    m_scrollBar.SetScrollInfo(&info);
    m_scrollBar.ShowScrollBar(m_scrolls);
    ScrollTo(m_scrolls ? m_scrollPosition : 0);
}

void CAddChangeView::ScrollTo(int position)
{
    SCROLLINFO info;
    m_scrollBar.GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
    const int last = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
    m_scrollPosition = std::clamp(position, 0, last);
    m_scrollBar.SetScrollPos(m_scrollPosition);
    m_editor.SetTopOffset(-m_scrollPosition);
    Invalidate();
}

void CAddChangeView::OnSize(UINT type, int cx, int cy)
{
    CEmptyViewJournal::OnSize(type, cx, cy);
    Layout();
}

void CAddChangeView::OnPaint()
{
    CPaintDC dc(this);
    RECT client {};
    GetClientRect(&client);
    const int right = m_scrolls ? client.right - kScrollBarWidth : client.right;
    m_editor.Draw(&dc, client.left, client.top, right, client.bottom - kPanelHeight);
    DrawPanel(&dc, { client.left, client.bottom - kPanelHeight, client.right, client.bottom });
}

BOOL CAddChangeView::OnEraseBkgnd(CDC*)
{
    // The editor and the panel cover the whole client area.
    return TRUE;
}

void CAddChangeView::DrawPanel(CDC* dc, const RECT& panel)
{
    // The buttons are child windows painted over the fill.
    dc->FillSolidRect(&panel, GetSysColor(COLOR_BTNFACE));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc->SelectObject(&black);
    dc->MoveTo(panel.left, panel.top);
    dc->LineTo(panel.right - 1, panel.top);
    dc->LineTo(panel.right - 1, panel.bottom - 1);
    dc->LineTo(panel.left - 1, panel.bottom - 1);
    dc->SelectObject(old);
}

BOOL CAddChangeView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CEmptyViewJournal::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IdSaveButton:
        OnSave(false);
        return TRUE;
    case IdSaveNextButton:
        OnSave(true);
        return TRUE;
    case IdCancelButton:
        OnCancel(false);
        return TRUE;
    default:
        return CEmptyViewJournal::OnCommand(wParam, lParam);
    }
}

void CAddChangeView::OnSave(bool next)
{
    if (!m_saveEnabled)
        return;
    CollectValues();
    const std::optional<std::pair<int, std::int32_t>> nextForm = next ? NextForm() : std::nullopt;
    if (!Save())
        return;
    const auto [action, id] = nextForm ? *nextForm : NextAction();
    PostJournalAction(this, action, id);
}

void CAddChangeView::OnCancel(bool ask)
{
    CollectValues();
    if (ask && Changed() && AfxMessageBox(Tr(StringId::DiscardTypedQuestion), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    PostJournalAction(this, ActionShowList, 0);
}

void CAddChangeView::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    SCROLLINFO info;
    m_scrollBar.GetScrollInfo(&info, SIF_PAGE);
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP: ScrollBy(-kLineStep); break;
    case SB_LINEDOWN: ScrollBy(kLineStep); break;
    case SB_PAGEUP: ScrollBy(-page); break;
    case SB_PAGEDOWN: ScrollBy(page); break;
    case SB_THUMBTRACK: ScrollTo(static_cast<int>(position)); break;
    case kWheelUp: ScrollBy(-kWheelStep); break;
    case kWheelDown: ScrollBy(kWheelStep); break;
    default: break;
    }
}

BOOL CAddChangeView::OnMouseWheel(UINT, short delta, CPoint point)
{
    ScreenToClient(&point);
    if (m_editor.OnMouse(WM_MOUSEWHEEL, point.x, point.y, static_cast<UINT>(static_cast<int>(delta)))) {
        Invalidate();
        return TRUE;
    }
    if (m_scrolls)
        OnVScroll(delta > 0 ? kWheelUp : kWheelDown, 0, nullptr);
    return TRUE;
}

void CAddChangeView::Forward(UINT message, CPoint point, UINT flags)
{
    if (m_editor.OnMouse(message, point.x, point.y, flags))
        Invalidate();
}

void CAddChangeView::OnLButtonDown(UINT flags, CPoint point)
{
    PressAt(WM_LBUTTONDOWN, point, flags);
}

void CAddChangeView::OnRButtonDown(UINT flags, CPoint point)
{
    PressAt(WM_RBUTTONDOWN, point, flags);
}

void CAddChangeView::PressAt(UINT message, CPoint point, UINT flags)
{
    SetFocus();
    RECT client {};
    GetClientRect(&client);
    if (point.y >= client.bottom - kPanelHeight)
        return;
    m_editor.FocusAt(point.x, point.y);
    m_editor.OnMouse(message, point.x, point.y, flags);
    Invalidate();
}

void CAddChangeView::OnLButtonUp(UINT flags, CPoint point)
{
    Forward(WM_LBUTTONUP, point, flags);
}

void CAddChangeView::OnMouseMove(UINT flags, CPoint point)
{
    Forward(WM_MOUSEMOVE, point, flags);
}

BOOL CAddChangeView::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (window == this) {
        POINT cursor {};
        GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (m_editor.OnMouse(WM_SETCURSOR, cursor.x, cursor.y, 0))
            return TRUE;
    }
    return CEmptyViewJournal::OnSetCursor(window, hitTest, message);
}

void CAddChangeView::Key(UINT key, UINT flags)
{
    const UINT modifiers = (GetKeyState(VK_SHIFT) < 0 ? KeyFlagShift : 0u) | ((flags & kAltContext) ? KeyFlagAlt : 0u)
        | (GetKeyState(VK_CONTROL) < 0 ? KeyFlagCtrl : 0u);
    if (key == VK_RETURN && modifiers == KeyFlagCtrl) {
        OnSave(true);
        return;
    }
    if (key == VK_ESCAPE && modifiers == 0) {
        OnCancel(true);
        return;
    }
    m_editor.OnKey(key, modifiers);
    // A row that grew or shrank changes what there is to scroll.
    Refresh();
}

void CAddChangeView::OnKeyDown(UINT key, UINT, UINT flags)
{
    Key(key, flags);
}

void CAddChangeView::OnSysKeyDown(UINT key, UINT, UINT flags)
{
    Key(key, flags);
}
