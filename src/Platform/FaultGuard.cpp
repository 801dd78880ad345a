#include "FaultGuard.h"

#include <pthread.h>
#include <csetjmp>
#include <csignal>
#include <cstdlib>
#include <ucontext.h>

namespace {
struct GuardFrame
{
    sigjmp_buf jump;
    FaultFilter filter;
    void* filterContext;
    GuardFrame* outer;
};

GuardFrame* g_innermost = nullptr;
constexpr int kFaultSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL };
alignas(16) char g_alternateStack[256 * 1024];

const std::uint32_t* StackPointerOf(void* userContext)
{
    const auto* context = static_cast<const ucontext_t*>(userContext);
#if defined(__x86_64__)
    return reinterpret_cast<const std::uint32_t*>(context->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
    return reinterpret_cast<const std::uint32_t*>(context->uc_mcontext.gregs[REG_ESP]);
#elif defined(__aarch64__)
    return reinterpret_cast<const std::uint32_t*>(context->uc_mcontext.sp);
#else
    (void)context;
    int marker = 0;
    return reinterpret_cast<const std::uint32_t*>(&marker);
#endif
}

const std::uint32_t* ThreadStackBase()
{
    pthread_attr_t attributes;
    void* address = nullptr;
    std::size_t size = 0;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return nullptr;
    pthread_attr_getstack(&attributes, &address, &size);
    pthread_attr_destroy(&attributes);
    return reinterpret_cast<const std::uint32_t*>(static_cast<const char*>(address) + size);
}

void OnFault(int signalNumber, siginfo_t*, void* userContext)
{
    GuardFrame* frame = g_innermost;
    if (!frame) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    if (frame->filter) {
        FaultInfo fault;
        fault.stackPointer = StackPointerOf(userContext);
        fault.stackBase = ThreadStackBase();
        frame->filter(fault, frame->filterContext);
    }
    siglongjmp(frame->jump, 1);
}

void InstallHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    stack_t alternate {};
    alternate.ss_sp = g_alternateStack;
    alternate.ss_size = sizeof g_alternateStack;
    sigaltstack(&alternate, nullptr);
    struct sigaction action {};
    action.sa_sigaction = OnFault;
    // SA_NODEFER lets a guard inside the filter catch a second fault.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kFaultSignals)
        sigaction(signalNumber, &action, nullptr);
}
}

bool RunGuarded(void (*body)(void*), void* bodyContext, FaultFilter filter, void* filterContext)
{
    InstallHandlers();
    GuardFrame frame;
    frame.filter = filter;
    frame.filterContext = filterContext;
    frame.outer = g_innermost;
    if (sigsetjmp(frame.jump, 1) == 0) {
        g_innermost = &frame;
        body(bodyContext);
        g_innermost = frame.outer;
        return false;
    }
    g_innermost = frame.outer;
    return true;
}
