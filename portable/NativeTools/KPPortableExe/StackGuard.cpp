// The stack protector's guard value and its failure routine, in place of the
// toolchain's own. That one seeds the guard through the CryptoAPI at every
// start, which loads a cryptographic provider and costs the launcher more
// time than all of its own work. Like the security cookie of the platform's
// own compiler, this guard mixes values that differ with every start.
#include "StackGuard.h"

#include <windows.h>

#include <cstdint>

extern "C" {

std::uintptr_t __stack_chk_guard;

// A smashed stack: end at once, running nothing that may rely on it.
[[noreturn]] void __stack_chk_fail()
{
    OutputDebugStringA("stack smashing detected");
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

// Unprotected itself: it changes the guard that a frame of its own would be
// checked against.
__attribute__((no_stack_protector)) void SeedStackGuard()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    std::uintptr_t guard = now.dwLowDateTime ^ now.dwHighDateTime;
    guard ^= GetCurrentProcessId() ^ (static_cast<std::uintptr_t>(GetCurrentThreadId()) << 16);
    guard ^= GetTickCount() ^ counter.LowPart ^ counter.HighPart;
    // The stack's address differs with every start of a randomised image.
    guard ^= reinterpret_cast<std::uintptr_t>(&guard);
    __stack_chk_guard = guard != 0 ? guard : ~guard;
}

}  // extern "C"
