#include "DueButton.h"

#include "Calendar.h"
#include "EventManager.h"
#include "StringIds.h"
#include "TaskCache.h"
#include "Text.h"
#include "Tr.h"

CDueButton::CDueButton()
    : m_subscription(this, { EventTasksChanged })
{
}

void CDueButton::Refresh()
{
    m_count = static_cast<int>(GetTaskCache()->DueBy(CurrentTime()).size());
    if (!IsCreated())
        return;
    SetWindowText(TrFilled(StringId::DueButton, { IntToText(m_count) }));
    ShowWindow(m_count > 0 ? SW_SHOW : SW_HIDE);
}
