#pragma once

#include "QBeeView.h"
#include "Subscription.h"

// The queens of the whole journal: one card per site with its colonies that have no living
// queen and its living queens.
class CQBeePointView : public CQBeeView, public ISubscriber
{
public:
    explicit CQBeePointView(JournalState* state);
    ~CQBeePointView() override;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void OnEvent() override;

protected:
    void Fill() override;

private:
    CSubscription m_subscription;
};
