#include "EntryPoint.h"

#include "EventManager.h"
#include "FaultGuard.h"
#include "IApplication.h"
#include "LanguageManager.h"
#include "LayoutStore.h"
#include "MessageBox.h"
#include "StackDump.h"
#include "VisualManager.h"
#include "WinApp.h"

namespace {
struct LoopState
{
    bool started = false;
    int code = 0;
};

void RunLoop(void* context)
{
    auto* state = static_cast<LoopState*>(context);
    if (!state->started) {
        state->started = true;
        state->code = AfxWinMain();
        return;
    }
    if (CWinApp* thread = AfxGetThread())
        thread->Run();
}

void DumpFaultingStack(const FaultInfo& fault, void*)
{
    WriteStackDump(kStackDumpFile, fault.stackPointer, fault.stackBase);
}
}

int RunTolvik()
{
    IApplication* application = GetApplication();
    LoopState state;
    while (RunGuarded(RunLoop, &state, DumpFaultingStack)) {
        if (MessageBoxW(nullptr, u"Unhanded Exception. Do you want to go on work?", u"Error", MB_OKCANCEL | MB_ICONERROR)
            != IDOK)
            break;
    }
    if (application)
        application->Release();
    DeleteVisualManager();
    DeleteEventManager();
    DeleteLanguageManager();
    // After the last grid is gone, so the file holds every size they left.
    SaveLayout();
    return state.code;
}
