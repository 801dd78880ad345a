#pragma once

#include "DrawControl.h"

#include <cstdint>
#include <memory>

class CFont;

// A month calendar: a band with the month and year and arrows to change them, a weekday row and
// a grid of days, Monday first. Its value is the selected day as "dd.mm.yyyy". Digits typed
// show in the band as a date with its separators; the eighth one takes the date, or, for a date
// that cannot exist, shows it in red and keeps the day chosen before.
class CDateDraw : public CDrawControl
{
public:
    // An empty text means today.
    CDateDraw(const std::u16string& text, CEditorItem* item);
    ~CDateDraw() override;

    void Measure() override;
    void DrawFocused(CDC* dc) override;
    void DrawNormal(CDC* dc) override;
    bool OnMouse(UINT message, int x, int y, UINT flags) override;
    std::u16string GetValue() const override;

    // Moves the selection by whole days, across months and years.
    void MoveDays(int days);
    // False for anything but a digit.
    bool TypeChar(char16_t ch);
    // Takes back the last digit typed; false when none is.
    bool EraseTyped();
    // The typed digits with their separators, as the band shows them; empty when none are.
    std::u16string TypedText() const;
    bool IsRefused() const { return m_refused; }

    int Month() const { return m_month; }
    int Year() const { return m_year; }
    int SelectedDay() const { return m_selectedDay; }
    int DaysInMonth() const { return m_days; }
    int FirstColumn() const { return m_firstColumn; }
    RECT DayRect(int day) const;

private:
    void BuildMonth();
    void ChangeMonth(int month, int year);
    void PaintBand(CDC* dc, int left, int right);
    void PaintDays(CDC* dc, int left, int right);

    int m_month = 0;
    int m_year = 1970;
    int m_selectedDay = 0;
    int m_firstColumn = 0;
    int m_days = 31;
    std::u16string m_typed;
    bool m_refused = false;
    std::unique_ptr<CFont> m_bandFont;
    std::unique_ptr<CFont> m_weekdayFont;
};

// Days of a month (0-based) of a year; February has 29 in every year divisible by 4.
int MonthDays(int month, int year);
