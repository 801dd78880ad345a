#include "DueButton.h"

#include "Calendar.h"
#include "EventManager.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Text.h"
#include "Tr.h"

namespace {
constexpr UINT kMinute = 60 * 1000;
}

CDueButton::CDueButton()
    : m_subscription(this, { EventTasksChanged })
    , m_clock(CurrentTime)
{
}

void CDueButton::Refresh()
{
    m_count = static_cast<int>(GetTaskCache()->DueBy(m_clock()).size());
    if (!IsCreated())
        return;
    SetWindowText(TrFilled(StringId::DueButton, { IntToText(m_count) }));
    ShowWindow(m_count > 0 ? SW_SHOW : SW_HIDE);
    SetTimer(RecountTimer, kMinute);
}

void CDueButton::OnTimer(UINT_PTR id)
{
    if (id == RecountTimer)
        Refresh();
    else
        CButton::OnTimer(id);
}
