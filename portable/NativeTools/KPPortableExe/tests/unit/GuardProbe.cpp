// A program that starts at the launchers' own entry point and ends with the
// stack guard it found as its exit code, so that a test can see the value
// each start gets.
#include <windows.h>

#include <cstdint>

extern "C" std::uintptr_t __stack_chk_guard;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(__stack_chk_guard);
}
