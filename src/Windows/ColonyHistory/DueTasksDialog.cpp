#include "DueTasksDialog.h"

#include "Calendar.h"
#include "CareWords.h"
#include "JournalHandlers.h"
#include "ListBox.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "TaskWords.h"
#include "Tr.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kWidth = 380;
constexpr int kListHeight = 150;

std::u16string LineOf(const Task& task, std::int64_t today)
{
    std::u16string when = IsOverdueOn(task, today) ? TrFilled(StringId::DueOverdue, { FormatDateText(task.due) })
                                                   : Tr(StringId::DueToday);
    if (task.dueMinutes != kWholeDay)
        when += u" " + TaskTimeText(task.dueMinutes);
    std::u16string line = when + u" \u2014 " + task.title;
    if (!task.colonies.empty())
        line += u" \u2014 " + ColonyNamesOf(task.colonies);
    return line;
}
}

CDueTasksDialog::CDueTasksDialog(CWnd* parent)
    : CDialog(Template(), parent)
{
}

DialogTemplate CDueTasksDialog::Template()
{
    DialogTemplate made;
    made.items.push_back({ u"LISTBOX", IdList, u"", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 0, 7, 7,
        kWidth - 14, kListHeight });
    made.items.push_back({ u"BUTTON", IdDone, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 7, kListHeight + 12, 80, 14 });
    made.items.push_back({ u"BUTTON", IDCANCEL, u"", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, kWidth - 77,
        kListHeight + 12, 70, 14 });
    made.cx = kWidth;
    made.cy = kListHeight + 33;
    return made;
}

BOOL CDueTasksDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::DueTitle));
    GetDlgItem(IdDone)->SetWindowText(Tr(StringId::TaskDoneButton));
    GetDlgItem(IDCANCEL)->SetWindowText(Tr(StringId::ButtonClose));
    Fill();
    return TRUE;
}

CListBox* CDueTasksDialog::List()
{
    return dynamic_cast<CListBox*>(GetDlgItem(IdList));
}

void CDueTasksDialog::Fill()
{
    const std::int64_t today = CurrentTime();
    CListBox* list = List();
    list->ResetContent();
    m_tasks.clear();
    for (const Task* task : GetTaskCache()->DueBy(today)) {
        list->AddString(LineOf(*task, today));
        m_tasks.push_back(task->id);
    }
    if (!m_tasks.empty())
        list->SetCurSel(0);
    GetDlgItem(IdDone)->EnableWindow(!m_tasks.empty());
}

BOOL CDueTasksDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IdDone && HIWORD(wParam) == BN_CLICKED) {
        const int chosen = List()->GetCurSel();
        if (chosen >= 0 && chosen < static_cast<int>(m_tasks.size())
            && GetJournalHandlers()->tasks.Complete(m_tasks[static_cast<std::size_t>(chosen)], CurrentTime(), 0))
            Fill();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}
