#include "KeyCommands.h"

#include "CheckBoxDraw.h"
#include "Clipboard.h"
#include "ComboBoxDraw.h"
#include "DateDraw.h"
#include "EditDraw.h"
#include "KeyInput.h"
#include "Text.h"
#include "WinMessages.h"

#include <algorithm>

namespace {
constexpr UINT kKeyC = 'C';
constexpr UINT kKeyV = 'V';

bool Held(UINT flags, UINT modifier)
{
    return (flags & modifier) != 0;
}

CEditDraw* Edit(CDrawControl* control)
{
    return dynamic_cast<CEditDraw*>(control);
}

CDateDraw* Date(CDrawControl* control)
{
    return dynamic_cast<CDateDraw*>(control);
}

// Inserts the characters the edit takes, a surrogate pair only whole; false when it took none.
bool InsertValid(CEditDraw* edit, const std::u16string& text)
{
    bool inserted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t length = IsPairAt(text, i) ? 2 : 1;
        const std::u16string_view character(text.data() + i, length);
        i += length - 1;
        if (!std::all_of(character.begin(), character.end(), [edit](char16_t ch) { return edit->IsValidChar(ch); }))
            continue;
        for (char16_t ch : character)
            edit->InsertChar(ch);
        inserted = true;
    }
    return inserted;
}

// Moves the caret by the line delta and extends the selection by it.
bool ExtendByLines(CEditDraw* edit, int delta)
{
    if (delta != 0) {
        const int start = edit->SelectionStart();
        const int end = edit->SelectionEnd();
        edit->MoveCaret(delta);
        edit->SetSelection(start, end + delta);
    }
    return true;
}
}

bool CArrawLeft::Matches(UINT key, UINT flags)
{
    return key == VK_LEFT && !Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CArrawLeft::Execute()
{
    if (CEditDraw* edit = Edit(Target())) {
        edit->MoveCaret(-1);
        return true;
    }
    if (CDateDraw* date = Date(Target())) {
        date->MoveDays(-1);
        return true;
    }
    return false;
}

bool CArrawRight::Matches(UINT key, UINT flags)
{
    return key == VK_RIGHT && !Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CArrawRight::Execute()
{
    if (CEditDraw* edit = Edit(Target())) {
        edit->MoveCaret(1);
        return true;
    }
    if (CDateDraw* date = Date(Target())) {
        date->MoveDays(1);
        return true;
    }
    return false;
}

bool CArrawUp::Matches(UINT key, UINT flags)
{
    return key == VK_UP && !Held(flags, KeyFlagShift);
}

bool CArrawUp::Execute()
{
    if (CEditDraw* edit = Edit(Target())) {
        const int delta = edit->LineDeltaUp();
        if (delta != 0)
            edit->MoveCaret(delta);
        return true;
    }
    if (auto* list = dynamic_cast<CComboBoxDraw*>(Target())) {
        list->SelectPrevious();
        return true;
    }
    if (CDateDraw* date = Date(Target())) {
        date->MoveDays(-7);
        return true;
    }
    return false;
}

bool CArrawDown::Matches(UINT key, UINT flags)
{
    return key == VK_DOWN && !Held(flags, KeyFlagShift);
}

bool CArrawDown::Execute()
{
    if (CEditDraw* edit = Edit(Target())) {
        const int delta = edit->LineDeltaDown();
        if (delta != 0)
            edit->MoveCaret(delta);
        return true;
    }
    if (auto* list = dynamic_cast<CComboBoxDraw*>(Target())) {
        list->SelectByDelta(1);
        return true;
    }
    if (CDateDraw* date = Date(Target())) {
        date->MoveDays(7);
        return true;
    }
    return false;
}

bool CShiftArrawLeft::Matches(UINT key, UINT flags)
{
    return key == VK_LEFT && Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CShiftArrawLeft::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    const int start = edit->SelectionStart();
    edit->MoveCaret(-1);
    edit->SetSelection(start, edit->Caret());
    return true;
}

bool CShiftArrawRight::Matches(UINT key, UINT flags)
{
    return key == VK_RIGHT && Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CShiftArrawRight::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    const int start = edit->SelectionStart();
    edit->MoveCaret(1);
    edit->SetSelection(start, edit->Caret());
    return true;
}

bool CShiftArrawUp::Matches(UINT key, UINT flags)
{
    return key == VK_UP && Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CShiftArrawUp::Execute()
{
    CEditDraw* edit = Edit(Target());
    return edit && ExtendByLines(edit, edit->LineDeltaUp());
}

bool CShiftArrawDown::Matches(UINT key, UINT flags)
{
    return key == VK_DOWN && Held(flags, KeyFlagShift) && !Held(flags, KeyFlagCtrl);
}

bool CShiftArrawDown::Execute()
{
    CEditDraw* edit = Edit(Target());
    return edit && ExtendByLines(edit, edit->LineDeltaDown());
}

bool CBackSpace::Matches(UINT key, UINT)
{
    return key == VK_BACK;
}

bool CBackSpace::Execute()
{
    if (CDateDraw* date = Date(Target()))
        return date->EraseTyped();
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    if (edit->HasSelection()) {
        edit->DeleteRange(edit->SelectionStart(), edit->SelectionEnd());
    } else if (edit->Caret() > 0) {
        edit->DeleteRange(edit->Snap(edit->Caret() - 1, -1), edit->Caret());
    }
    return true;
}

bool CDelete::Matches(UINT key, UINT)
{
    return key == VK_DELETE;
}

bool CDelete::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    if (edit->HasSelection())
        edit->DeleteRange(edit->SelectionStart(), edit->SelectionEnd());
    else
        edit->DeleteChar(edit->Caret());
    return true;
}

bool CEnter::Matches(UINT key, UINT)
{
    return key == VK_RETURN;
}

bool CEnter::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit || !edit->IsValidChar(u'\n'))
        return false;
    edit->InsertChar(u'\n');
    return true;
}

bool CSpace::Matches(UINT key, UINT)
{
    return key == VK_SPACE;
}

bool CSpace::Execute()
{
    auto* check = dynamic_cast<CCheckBoxDraw*>(Target());
    if (!check)
        return false;
    check->Toggle();
    return true;
}

bool CCopy::Matches(UINT key, UINT flags)
{
    return key == kKeyC && Held(flags, KeyFlagCtrl);
}

bool CCopy::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    const std::u16string& text = edit->Text();
    std::u16string copied = text;
    if (edit->HasSelection()) {
        const auto low = static_cast<std::size_t>(std::min(edit->SelectionStart(), edit->SelectionEnd()));
        const auto high = static_cast<std::size_t>(std::max(edit->SelectionStart(), edit->SelectionEnd()));
        copied = text.substr(low, high - low);
    }
    if (!OpenClipboard(nullptr))
        return true;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, copied);
    CloseClipboard();
    return true;
}

bool CPaste::Matches(UINT key, UINT flags)
{
    return key == kKeyV && Held(flags, KeyFlagCtrl);
}

bool CPaste::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    if (!OpenClipboard(nullptr))
        return true;
    const std::u16string pasted = GetClipboardData(CF_UNICODETEXT);
    CloseClipboard();
    InsertValid(edit, pasted);
    return true;
}

bool CHomeEnd::Matches(UINT key, UINT flags)
{
    m_end = key == VK_END;
    m_extend = Held(flags, KeyFlagShift);
    return (key == VK_HOME || key == VK_END) && !Held(flags, KeyFlagCtrl);
}

bool CHomeEnd::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    const int start = edit->HasSelection() ? edit->SelectionStart() : edit->Caret();
    edit->MoveCaret((m_end ? static_cast<int>(edit->Text().size()) : 0) - edit->Caret());
    if (m_extend)
        edit->SetSelection(start, edit->Caret());
    return true;
}

bool CSelectAll::Matches(UINT key, UINT flags)
{
    return key == 'A' && Held(flags, KeyFlagCtrl) && !Held(flags, KeyFlagShift);
}

bool CSelectAll::Execute()
{
    CEditDraw* edit = Edit(Target());
    if (!edit)
        return false;
    const int end = static_cast<int>(edit->Text().size());
    edit->MoveCaret(end - edit->Caret());
    edit->SetSelection(0, end);
    return true;
}

bool CCharKey::Matches(UINT key, UINT)
{
    m_lastKey = key;
    return true;
}

bool CCharKey::Execute()
{
    CEditDraw* edit = Edit(Target());
    CDateDraw* date = Date(Target());
    if (!edit && !date)
        return false;
    HKL layout = GetKeyboardLayout(0);
    BYTE state[256] = {};
    GetKeyboardState(state);
    const UINT scanCode = MapVirtualKeyEx(m_lastKey, MAPVK_VK_TO_VSC, layout);
    char16_t buffer[2] = {};
    const int count = ToUnicode(m_lastKey, scanCode, state, buffer, 2, 0);
    const std::u16string typed(buffer, static_cast<std::size_t>(std::max(count, 0)));
    if (date)
        return typed.size() == 1 && date->TypeChar(typed[0]);
    return !typed.empty() && InsertValid(edit, typed);
}
