#include "DateTimeCtrl.h"

#include "Calendar.h"
#include "ControlKinds.h"
#include "NativeWindow.h"
#include "Notify.h"

#include <QDateEdit>

namespace {
class DateWindow : public NativeWindow
{
public:
    using NativeWindow::NativeWindow;

    QWidget* MakeWidget(QWidget* parent, const CREATESTRUCT& create) override
    {
        auto* edit = new Bridged<QDateEdit>(parent);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setCalendarPopup(!(create.style & DTS_UPDOWN));
        edit->setFocusPolicy(create.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        edit->setMinimumDate(QDate(1601, 1, 1));
        Show(edit, CurrentTime());
        QObject::connect(edit, &QDateEdit::dateChanged, edit, [this](const QDate& date) {
            if (quiet)
                return;
            NMDATETIMECHANGE change;
            change.nmhdr.hwndFrom = owner;
            change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
            change.nmhdr.code = DTN_DATETIMECHANGE;
            change.st.wYear = static_cast<WORD>(date.year());
            change.st.wMonth = static_cast<WORD>(date.month());
            change.st.wDay = static_cast<WORD>(date.day());
            change.st.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
            change.st.wHour = static_cast<WORD>(timeOfDay.hour());
            change.st.wMinute = static_cast<WORD>(timeOfDay.minute());
            change.st.wSecond = static_cast<WORD>(timeOfDay.second());
            SendToParent(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
        });
        return edit;
    }

    QDateEdit* Edit() const { return static_cast<QDateEdit*>(widget.data()); }

    // The calendar comes from the one date module, so the picker and the stored dates agree.
    void Show(QDateEdit* edit, std::int64_t time)
    {
        const LocalTime local = ToLocalTime(time).value_or(LocalTime {});
        quiet = true;
        edit->setDate(QDate(local.year, local.month, local.day));
        quiet = false;
        timeOfDay = QTime(local.hour, local.minute, local.second);
    }

    bool quiet = false;
    QTime timeOfDay;
};

DateWindow* Kind(const CWnd* window)
{
    return window ? dynamic_cast<DateWindow*>(window->Native()) : nullptr;
}
}

std::unique_ptr<NativeWindow> MakeDateWindow(CWnd* owner)
{
    return std::make_unique<DateWindow>(owner);
}

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(u"SysDateTimePick32", u"", style, rect, parent, id);
}

BOOL CDateTimeCtrl::SetTime(std::int64_t time)
{
    DateWindow* date = Kind(this);
    if (!date || !date->Edit())
        return FALSE;
    date->Show(date->Edit(), time);
    return TRUE;
}

DWORD CDateTimeCtrl::GetTime(std::int64_t& time) const
{
    DateWindow* date = Kind(this);
    if (!date || !date->Edit())
        return static_cast<DWORD>(-1);
    const QDate day = date->Edit()->date();
    time = ToSeconds({ day.year(), day.month(), day.day(), date->timeOfDay.hour(), date->timeOfDay.minute(),
        date->timeOfDay.second() });
    return GDT_VALID;
}

SIZE CDateTimeCtrl::IdealSize() const
{
    DateWindow* date = Kind(this);
    if (!date || !date->Edit())
        return { 0, 0 };
    const QSize hint = date->Edit()->sizeHint();
    return { hint.width(), hint.height() };
}
