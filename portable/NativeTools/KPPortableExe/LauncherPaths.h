// The paths the launcher joins to its start directory. Every part is joined
// with one backslash, whatever the start directory ends with, so a drive root
// gives two backslashes in a row; the system accepts that form.
#pragma once

#include <cstddef>

#include "VariantProfile.h"

// The longest name the launcher appends to a start directory is the
// DiagnosticMode launch log's, 76 chars; the capture file's takes 61 with its
// date. Paths are joined in buffers with room for the longest start directory
// and such a name, so a long start directory is never cut: the system refuses
// a path it cannot handle, and the caller's usual failure path follows.
constexpr std::size_t MAX_APPENDED_NAME_LENGTH = 128;
constexpr std::size_t JOINED_PATH_BUFFER_SIZE = PATH_BUFFER_SIZE + MAX_APPENDED_NAME_LENGTH;

// Appends a backslash and name; all or nothing.
bool AppendPathPart(char* path, std::size_t capacity, const char* name);

// start directory\productDirectoryName
bool ComposeOuterDirectory(char* path, std::size_t capacity, const VariantProfile& profile,
                           const char* startDirectory);
// start directory\productDirectoryName\dataDirectoryName
bool ComposeDataDirectory(char* path, std::size_t capacity, const VariantProfile& profile,
                          const char* startDirectory);
// The data directory\logFileName
bool ComposeLogPath(char* path, std::size_t capacity, const VariantProfile& profile,
                    const char* startDirectory);
// The data directory\diagnosticLogName, still without its date
bool ComposeDiagnosticLogBase(char* path, std::size_t capacity, const VariantProfile& profile,
                              const char* startDirectory);
// Appends year-month-day in decimal without leading zeros: 2015-9-7.
bool AppendCaptureDate(char* path, std::size_t capacity, unsigned year, unsigned month,
                       unsigned day);
// start directory\relativeName; the name is used as typed, also when it is
// absolute, so a name given with -c always stays below the start directory.
bool ComposePropertiesPath(char* path, std::size_t capacity, const char* startDirectory,
                           const char* relativeName);
