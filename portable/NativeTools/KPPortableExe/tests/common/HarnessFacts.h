// Facts the tests and the benchmark share: the deliverables' names and where
// the build puts the executables.
#pragma once

#include <string>

// The three deliverables, by the name that is their executable's file name
// without ".exe", their launch log's name and their OriginalFilename.
inline constexpr const char* PROD = "Kestrelpoint-Portable";
inline constexpr const char* DEMO = "Kestrelpoint-Portable-Demo";
inline constexpr const char* DIAGNOSTIC = "Kestrelpoint-Portable-DiagnosticMode";
inline constexpr const char* DELIVERABLE_NAMES[] = {PROD, DEMO, DIAGNOSTIC};

// The stand-in Java runtime as the build names it.
inline constexpr const char* STANDIN_JAVA_FILE = "standin-java.exe";

// The full path of the running executable.
std::string ThisExecutable();

// The folder of the running executable, without a closing backslash. The
// build puts every executable into one bin folder, so the launchers and the
// stand-in Java runtime stand beside each test program and the benchmark.
std::string ExecutableFolder();

// The full path of a file beside the running executable.
std::string BesideThisExecutable(const std::string& fileName);

// The full path of a deliverable's executable in the build's bin folder.
std::string DeliverablePath(const std::string& deliverableName);

// The extended-length form of a path, for the wide file functions: tests lay
// out and inspect folders at and beyond the path limits they check, so their
// own set-up and checks must not be bound by those limits.
std::wstring ExtendedLengthPath(const std::string& path);

// A file's bytes by its full path, at any length, read while others may
// still write it; the empty text when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
