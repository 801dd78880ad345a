#include "NativeWindow.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<Dispatching>& Dispatches()
{
    static std::vector<Dispatching> dispatches;
    return dispatches;
}
std::uint64_t g_nextSerial = 1;

struct PendingDefault
{
    std::uint64_t serial;
    CWnd* window;
    UINT message;
    std::function<bool()> run; // empty: the default was already given elsewhere
    QEvent* event;
    bool done = false;
};

// Kept by value: a fault guard may unwind past the frames that pushed them.
std::vector<PendingDefault>& Pending()
{
    static std::vector<PendingDefault> pending;
    return pending;
}
}

// Sends a message whose default processing is the Qt handling of the routed event.
LRESULT SendWithDefault(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam, QEvent* event,
    std::function<bool()> run)
{
    const std::uint64_t serial = g_nextSerial;
    Pending().push_back({ serial, window, message, std::move(run), event });
    const LRESULT result = window->SendMessage(message, wParam, lParam);
    Pending().erase(std::remove_if(Pending().begin(), Pending().end(),
        [serial](const PendingDefault& slot) { return slot.serial == serial; }), Pending().end());
    return result;
}

bool RunPendingDefault(CWnd* window, UINT message, LRESULT* result)
{
    const Dispatching* current = CurrentDispatch();
    for (auto slot = Pending().rbegin(); slot != Pending().rend(); ++slot) {
        PendingDefault* pending = &*slot;
        if (pending->window != window || pending->message != message || !current || current->serial != pending->serial)
            continue;
        *result = 0;
        if (pending->done)
            return true;
        pending->done = true;
        const std::function<bool()> run = pending->run;
        if (run)
            run();
        return true;
    }
    return false;
}

void SkipPendingDefault(CWnd* window, UINT message)
{
    const Dispatching* current = CurrentDispatch();
    for (PendingDefault& slot : Pending()) {
        if (slot.window == window && slot.message == message && current && current->serial == slot.serial)
            slot.done = true;
    }
}

void BeginDispatch(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dispatches().push_back({ window, message, wParam, lParam, g_nextSerial++ });
}

void EndDispatch()
{
    Dispatches().pop_back();
}

void ResetDispatchState()
{
    Pending().clear();
    Dispatches().clear();
}

const Dispatching* CurrentDispatch()
{
    return Dispatches().empty() ? nullptr : &Dispatches().back();
}
