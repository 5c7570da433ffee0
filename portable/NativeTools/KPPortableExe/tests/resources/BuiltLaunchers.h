// The three built launchers, found in the folder of the test program: the
// build puts every executable into one bin folder.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

struct Deliverable {
    const char* fileName;
    const char* originalFilename;
};

inline const Deliverable DELIVERABLES[] = {
    {"Kestrelpoint-Portable.exe", "Kestrelpoint-Portable"},
    {"Kestrelpoint-Portable-Demo.exe", "Kestrelpoint-Portable-Demo"},
    {"Kestrelpoint-Portable-DiagnosticMode.exe", "Kestrelpoint-Portable-DiagnosticMode"},
};

inline void PrintTo(const Deliverable& deliverable, std::ostream* out)
{
    *out << deliverable.fileName;
}

inline std::string PathOf(const Deliverable& deliverable)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + deliverable.fileName;
}
