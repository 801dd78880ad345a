#pragma once

#include <functional>

// F1 in any of the program's windows runs the action (it opens the guide); without one, F1 is
// an ordinary key.
void SetHelpAction(std::function<void()> action);
// Runs the action set; false when there is none.
bool RunHelpAction();
