#include "HelpKey.h"

namespace {
std::function<void()>& HelpAction()
{
    static std::function<void()> action;
    return action;
}
}

void SetHelpAction(std::function<void()> action)
{
    HelpAction() = std::move(action);
}

bool RunHelpAction()
{
    // A copy: the action may replace itself.
    const std::function<void()> action = HelpAction();
    if (!action)
        return false;
    action();
    return true;
}
