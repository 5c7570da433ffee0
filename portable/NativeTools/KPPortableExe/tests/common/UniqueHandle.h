// Owns one Windows handle and closes it on every path: the harness starts
// processes and opens files in many places, and a hand-written CloseHandle on
// each exit path is how handles leak.
#pragma once

#include <windows.h>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    // Both of the system's "no handle" values count as none.
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

    HANDLE Release()
    {
        const HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }

    void Reset(HANDLE handle = nullptr)
    {
        if (Valid()) {
            CloseHandle(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// A started process: both handles CreateProcess hands back, owned.
struct OwnedProcess {
    UniqueHandle process;
    UniqueHandle thread;
    DWORD id = 0;

    void Adopt(const PROCESS_INFORMATION& information)
    {
        process.Reset(information.hProcess);
        thread.Reset(information.hThread);
        id = information.dwProcessId;
    }

    // Ends a process that did not end in time, and waits until it is gone:
    // a killed process is gone at once, so the wait only bounds a system
    // that hangs. False when it did not end even then.
    bool Kill() const
    {
        constexpr UINT KILLED_EXIT_CODE = 0xDEAD;
        constexpr DWORD TERMINATION_WAIT_MS = 5000;
        TerminateProcess(process.Get(), KILLED_EXIT_CODE);
        return WaitForSingleObject(process.Get(), TERMINATION_WAIT_MS) == WAIT_OBJECT_0;
    }
};
