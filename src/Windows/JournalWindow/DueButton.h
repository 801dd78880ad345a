#pragma once

#include "Button.h"
#include "Subscription.h"

// The button at the right of the tab strip that counts the tasks due today and overdue. It shows
// only while there are some, and follows every change of the tasks.
class CDueButton : public CButton, public ISubscriber
{
public:
    CDueButton();

    // Its count and whether it shows, as the tasks stand now.
    void Refresh();
    void OnEvent() override { Refresh(); }
    int Count() const { return m_count; }

private:
    CSubscription m_subscription;
    int m_count = 0;
};
