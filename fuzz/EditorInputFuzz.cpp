// The painted value fields of the forms under any sequence of typing, editing keys and mouse
// selections: a text field, a whole number, a decimal number and the month calendar.
//
// The first byte picks the field, the first line of the rest is typed into it (the calendar
// starts from it as a stored value), and each byte after that line is one step of editing.
#include "Calendar.h"
#include "DateDraw.h"
#include "DoubleEditDraw.h"
#include "EditDraw.h"
#include "FuzzInput.h"
#include "KeyProcess.h"
#include "NumberEditDraw.h"
#include "Text.h"
#include "WinApp.h"
#include "WinMessages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

enum Field
{
    PlainText,
    WholeNumber,
    DecimalNumber,
    Calendar,
};

constexpr char16_t kTypedByHand[] = u"0123456789.\n-a";

// A pass through the digits is a number field's text only when nothing else is in it.
bool AllOf(const std::u16string& text, std::u16string_view allowed)
{
    return text.find_first_not_of(allowed) == std::u16string::npos;
}

void RequireWithinText(const CEditDraw& edit)
{
    const int size = static_cast<int>(edit.Text().size());
    Require(edit.Caret() >= 0 && edit.Caret() <= size);
    Require(edit.SelectionStart() >= 0 && edit.SelectionStart() <= size);
    Require(edit.SelectionEnd() >= 0 && edit.SelectionEnd() <= size);
}

void RequireAValue(Field field, const std::u16string& text)
{
    if (field == WholeNumber) {
        Require(!text.empty() && text.size() <= 9 && AllOf(text, u"0123456789"));
    } else if (field == DecimalNumber) {
        Require(!text.empty() && AllOf(text, u"0123456789."));
        Require(text.find(u'.') == text.rfind(u'.'));
        // A run of leading zeros shrinks to one.
        Require(!text.starts_with(u"00"));
    }
}

void Type(CEditDraw& edit, char16_t ch)
{
    if (edit.IsValidChar(ch))
        edit.InsertChar(ch);
}

void Step(CEditDraw& edit, Field field, std::uint8_t step, std::uint8_t argument, std::uint8_t second)
{
    const UINT shift = (step & 0x80) ? KeyFlagShift : 0;
    switch (step % 8) {
    case 0:
        Type(edit, field == PlainText ? static_cast<char16_t>(argument | second << 8)
                                      : kTypedByHand[argument % (std::size(kTypedByHand) - 1)]);
        break;
    case 1:
        edit.OnKey(VK_BACK, 0);
        break;
    case 2:
        edit.OnKey(VK_DELETE, 0);
        break;
    case 3:
        edit.OnKey((argument & 1) ? VK_RIGHT : VK_LEFT, shift);
        break;
    case 4:
        edit.OnKey((argument & 1) ? VK_DOWN : VK_UP, shift);
        break;
    case 5:
        // A drag of the mouse across the field, from one point to another.
        edit.OnMouse(WM_LBUTTONDOWN, argument, (step >> 4 & 7) * 8, MK_LBUTTON);
        edit.OnMouse(WM_MOUSEMOVE, second, (step >> 3 & 7) * 8, MK_LBUTTON);
        edit.OnMouse(WM_LBUTTONUP, second, (step >> 3 & 7) * 8, 0);
        break;
    case 6:
        edit.OnKey(VK_RETURN, 0);
        break;
    default:
        Type(edit, (argument & 1) ? u'.' : u'0');
        break;
    }
}

void EditText(Field field, const std::u16string& typed, std::string_view steps)
{
    CEditDraw plain(u"", nullptr);
    CNumberEditDraw number(u"", nullptr);
    CDoubleEditDraw decimal(u"", nullptr);
    CEditDraw& edit = field == WholeNumber ? number : field == DecimalNumber ? decimal : plain;
    edit.SetPosition(0, 0);
    for (char16_t ch : typed)
        Type(edit, ch);
    RequireWithinText(edit);
    RequireAValue(field, edit.GetValue());
    for (std::size_t i = 0; i < steps.size(); i += 3) {
        const auto at = [&](std::size_t k) { return k < steps.size() ? static_cast<std::uint8_t>(steps[k]) : 0; };
        Step(edit, field, at(i), at(i + 1), at(i + 2));
        RequireWithinText(edit);
        RequireAValue(field, edit.GetValue());
    }
}

// A calendar started from a stored date within the years a journal holds always shows a day of
// its month and gives a value that reads back as the day selected.
void MoveCalendar(const std::u16string& stored, std::string_view steps)
{
    CDateDraw calendar(stored, nullptr);
    static constexpr UINT keys[] { VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN };
    for (std::size_t i = 0; i <= steps.size(); ++i) {
        if (calendar.Year() < 1900 || calendar.Year() > 9999)
            return;
        Require(calendar.SelectedDay() >= 0 && calendar.SelectedDay() < calendar.DaysInMonth());
        Require(calendar.Month() >= 0 && calendar.Month() < 12);
        const std::u16string value = calendar.GetValue();
        Require(CDateDraw(value, nullptr).GetValue() == value);
        Require(ParseDateText(value) != 0 || value == u"01.01.1970");
        if (i < steps.size())
            calendar.OnKey(keys[static_cast<std::uint8_t>(steps[i]) % 4], 0);
    }
}

}

// The caches that the font and toolkit libraries keep for the life of the process are no leaks.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    EnsureToolkit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto field = static_cast<Field>(data[0] % 4);
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t lineEnd = rest.find('\n');
    const std::string_view line = rest.substr(0, lineEnd);
    const std::string_view steps = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd + 1);
    const std::u16string text = FromUtf8(line);
    if (field == Calendar)
        MoveCalendar(text, steps);
    else
        EditText(field, text, steps);
    return 0;
}
