#pragma once

#include <cstdint>

// Stands in for a structured exception guard: hardware faults (SIGSEGV, SIGBUS, SIGFPE, SIGILL)
// raised inside the guarded call are caught on an alternate signal stack.
struct FaultInfo
{
    // The stack pointer at the fault and the base (highest address) of the faulting thread's stack.
    const std::uint32_t* stackPointer = nullptr;
    const std::uint32_t* stackBase = nullptr;
};

// Called while the faulting stack still exists, before the guard unwinds to its caller.
using FaultFilter = void (*)(const FaultInfo& fault, void* context);

// Runs body(bodyContext). Returns false when it returned normally, true after a fault, once the
// filter (if any) has run. Guards nest: a fault is caught by the innermost guard.
bool RunGuarded(void (*body)(void*), void* bodyContext, FaultFilter filter = nullptr, void* filterContext = nullptr);
