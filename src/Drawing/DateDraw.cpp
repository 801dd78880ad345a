#include "DateDraw.h"

#include "Brush.h"
#include "Calendar.h"
#include "Dc.h"
#include "FontHelper.h"
#include "KeyCommands.h"
#include "Pen.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"
#include "WinMessages.h"

#include <algorithm>

namespace {
constexpr int kCell = 25;
constexpr int kRow = 20;
constexpr int kBand = 25;
constexpr int kGridTop = 41;
constexpr int kHalfWidth = 87;
constexpr COLORREF kSelection = RGB(0, 0, 255);
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

std::u16string TwoDigits(int value)
{
    return (value < 10 ? u"0" : u"") + IntToText(value);
}

// A black triangle 5 wide and 10 high, centred in the 20-pixel zone from x, pointing left or right.
void Arrow(CDC* dc, int x, int top, bool left)
{
    const int middle = top + kBand / 2;
    const int tipX = left ? x + 7 : x + 12;
    const int baseX = left ? x + 12 : x + 7;
    const POINT points[] { { tipX, middle }, { baseX, middle - 5 }, { baseX, middle + 5 } };
    CBrush black(RGB(0, 0, 0));
    CBrush* oldBrush = dc->SelectObject(&black);
    dc->Polygon(points, 3);
    dc->SelectObject(oldBrush);
}
}

int MonthDays(int month, int year)
{
    static constexpr int days[] { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 1 && year % 4 == 0 ? 29 : days[month];
}

CDateDraw::CDateDraw(const std::u16string& text, CEditorItem* item)
    : CDrawControl(text, item)
    , m_bandFont(CreateFontHelper(true, u"MS Sans Serif", 16, false, false))
    , m_weekdayFont(CreateFontHelper(false, u"MS Sans Serif", 14, false, false))
{
    const LocalTime local = ToLocalTime(text.empty() ? CurrentTime() : ParseDateText(text)).value_or(LocalTime {});
    m_year = local.year;
    m_month = local.month - 1;
    m_selectedDay = local.day - 1;
    BuildMonth();
    AddCommand(std::make_unique<CArrawLeft>(this));
    AddCommand(std::make_unique<CArrawRight>(this));
    AddCommand(std::make_unique<CArrawUp>(this));
    AddCommand(std::make_unique<CArrawDown>(this));
    AddCommand(std::make_unique<CBackSpace>(this));
    // Last: it takes every key that types a character.
    AddCommand(std::make_unique<CCharKey>(this));
}

CDateDraw::~CDateDraw() = default;

void CDateDraw::BuildMonth()
{
    m_firstColumn = ToLocalTime(LocalMidnight(m_year, m_month + 1, 1)).value_or(LocalTime {}).weekday;
    m_days = MonthDays(m_month, m_year);
}

void CDateDraw::Measure()
{
    const int after = m_firstColumn + m_days - 7;
    m_rect.bottom = m_rect.top + 81 + kRow * (after / 7) - (after % 7 == 0 ? kRow : 0);
}

std::u16string CDateDraw::GetValue() const
{
    return TwoDigits(m_selectedDay + 1) + u"." + TwoDigits(m_month + 1) + u"." + IntToText(m_year);
}

RECT CDateDraw::DayRect(int day) const
{
    const int left = (m_rect.left + m_rect.right) / 2 - kHalfWidth;
    const int cell = m_firstColumn + day;
    const int x = left + (cell % 7) * kCell;
    const int y = m_rect.top + kGridTop + (cell / 7) * kRow;
    return { x, y, x + kCell, y + kRow };
}

void CDateDraw::ChangeMonth(int month, int year)
{
    m_month = month;
    m_year = year;
    BuildMonth();
    // A shorter month keeps the day within it, so the value stays a real date.
    m_selectedDay = std::min(m_selectedDay, m_days - 1);
    Relayout();
}

void CDateDraw::MoveDays(int days)
{
    while (days < 0 && m_selectedDay < -days) {
        const int old = m_selectedDay;
        if (m_month == 0)
            ChangeMonth(11, m_year - 1);
        else
            ChangeMonth(m_month - 1, m_year);
        m_selectedDay = m_days - 1;
        days += old + 1;
    }
    while (days > 0 && m_selectedDay + days >= m_days) {
        const int old = m_selectedDay;
        const int oldDays = m_days;
        if (m_month == 11)
            ChangeMonth(0, m_year + 1);
        else
            ChangeMonth(m_month + 1, m_year);
        m_selectedDay = 0;
        days += old - oldDays;
    }
    m_selectedDay += days;
}

bool CDateDraw::TypeChar(char16_t ch)
{
    if (ch < u'0' || ch > u'9')
        return false;
    if (m_typed.size() == 8)
        m_typed.clear();
    m_typed += ch;
    m_refused = false;
    if (m_typed.size() < 8)
        return true;
    const int day = std::stoi(ToUtf8(m_typed.substr(0, 2)));
    const int month = std::stoi(ToUtf8(m_typed.substr(2, 2)));
    const int year = std::stoi(ToUtf8(m_typed.substr(4)));
    if (month < 1 || month > 12 || year < 1900 || day < 1 || day > MonthDays(month - 1, year)) {
        m_refused = true;
        return true;
    }
    ChangeMonth(month - 1, year);
    m_selectedDay = day - 1;
    m_typed.clear();
    return true;
}

bool CDateDraw::EraseTyped()
{
    if (m_typed.empty())
        return false;
    m_typed.pop_back();
    m_refused = false;
    return true;
}

std::u16string CDateDraw::TypedText() const
{
    if (m_typed.empty())
        return {};
    std::u16string text = u"__.__.____";
    for (std::size_t i = 0, at = 0; i < m_typed.size(); ++i, ++at) {
        if (text[at] == u'.')
            ++at;
        text[at] = m_typed[i];
    }
    return text;
}

bool CDateDraw::OnMouse(UINT message, int x, int y, UINT)
{
    if (message != WM_LBUTTONDOWN)
        return false;
    const int centre = (m_rect.left + m_rect.right) / 2;
    const int left = centre - kHalfWidth;
    const int right = centre + kHalfWidth;
    if (y >= m_rect.top + kGridTop) {
        for (int day = 0; day < m_days; ++day) {
            const RECT cell = DayRect(day);
            if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom)
                m_selectedDay = day;
        }
    } else if (y < m_rect.top + kBand) {
        if (x < left + 20 && m_month > 0)
            ChangeMonth(m_month - 1, m_year);
        else if (x > centre && x < centre + 20 && m_month < 11)
            ChangeMonth(m_month + 1, m_year);
        else if (x > centre + 20 && x < centre + 40)
            ChangeMonth(m_month, m_year - 1);
        else if (x > right - 20)
            ChangeMonth(m_month, m_year + 1);
    }
    return true;
}

void CDateDraw::PaintBand(CDC* dc, int left, int right)
{
    const int top = m_rect.top;
    const RECT band { left, top, right + 1, top + kBand };
    dc->FillSolidRect(&band, RGB(221, 165, 54));
    CFont* oldFont = dc->SelectObject(m_bandFont.get());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    const std::u16string typed = TypedText();
    if (!typed.empty()) {
        // The date being typed takes the whole band, in red once it cannot exist.
        dc->SetTextColor(m_refused ? RGB(200, 0, 0) : RGB(0, 0, 0));
        RECT whole = band;
        dc->DrawText(typed, &whole, kCentred);
        dc->SelectObject(oldFont);
    } else {
        const int split = left + (right + 1 - left) / 2 + 20;
        RECT month { left, top, split, top + kBand };
        dc->DrawText(Tr(StringId::MonthJanuary + m_month), &month, kCentred);
        RECT year { split, top, right + 1, top + kBand };
        dc->DrawText(IntToText(m_year), &year, kCentred);
        dc->SelectObject(oldFont);
        const int middle = (left + right + 1) / 2;
        if (m_month != 0)
            Arrow(dc, left, top, true);
        if (m_month != 11)
            Arrow(dc, middle, top, false);
        Arrow(dc, middle + 20, top, true);
        Arrow(dc, right + 1 - 20, top, false);
    }

    oldFont = dc->SelectObject(m_weekdayFont.get());
    for (int day = 0; day < 7; ++day) {
        RECT cell { left + day * kCell, top + kBand, left + (day + 1) * kCell, top + kGridTop };
        dc->FillSolidRect(&cell, GetSysColor(COLOR_WINDOW));
        dc->DrawText(Tr(StringId::WeekdayMonday + day), &cell, kCentred);
    }
    dc->SelectObject(oldFont);
}

void CDateDraw::PaintDays(CDC* dc, int left, int right)
{
    CBrush white(GetSysColor(COLOR_WINDOW));
    CBrush* oldBrush = dc->SelectObject(&white);
    const int gridTop = m_rect.top + kGridTop;
    if (m_firstColumn > 0)
        dc->Rectangle(left, gridTop, left + m_firstColumn * kCell + 1, gridTop + kRow + 1);
    for (int day = 0; day < m_days; ++day) {
        const RECT cell = DayRect(day);
        const bool selected = day == m_selectedDay;
        CBrush fill(selected ? kSelection : GetSysColor(COLOR_WINDOW));
        dc->SelectObject(&fill);
        dc->Rectangle(cell.left, cell.top, cell.right + 1, cell.bottom + 1);
        dc->SelectObject(&white);
        dc->SetTextColor(selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
        RECT text = cell;
        dc->DrawText(IntToText(day + 1), &text, kCentred);
    }
    const RECT last = DayRect(m_days - 1);
    if (last.right < right + 1)
        dc->Rectangle(last.right, last.top, right + 1, last.bottom + 1);
    dc->SelectObject(oldBrush);
}

void CDateDraw::DrawNormal(CDC* dc)
{
    const int centre = (m_rect.left + m_rect.right) / 2;
    const int left = centre - kHalfWidth;
    const int right = centre + kHalfWidth;
    PaintBand(dc, left, right);
    dc->SetBkMode(TRANSPARENT);
    PaintDays(dc, left, right);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&black);
    CBrush hollow;
    hollow.CreateNullBrush();
    CBrush* oldBrush = dc->SelectObject(&hollow);
    dc->Rectangle(left, m_rect.top, right + 1, m_rect.bottom);
    dc->SelectObject(oldBrush);
    dc->MoveTo(left, m_rect.top + kBand);
    dc->LineTo(right + 1, m_rect.top + kBand);
    dc->MoveTo(left, m_rect.top + kGridTop);
    dc->LineTo(right + 1, m_rect.top + kGridTop);
    dc->SelectObject(oldPen);
}

void CDateDraw::DrawFocused(CDC* dc)
{
    dc->FillSolidRect(&m_rect, GetSysColor(COLOR_WINDOW));
    DrawNormal(dc);
}
