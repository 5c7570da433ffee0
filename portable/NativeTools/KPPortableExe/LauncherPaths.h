// The paths the launcher joins to its start directory. Every part is joined
// with one backslash, whatever the start directory ends with, so a drive root
// gives two backslashes in a row; the system accepts that form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "VariantProfile.h"

// The room the joined-path buffers keep after the longest start directory,
// for the names a row appends. The rows are checked against it where they
// are written (VariantRows.h), so these paths are never cut: the system
// refuses a path it cannot handle, and the caller's usual failure path
// follows.
constexpr std::size_t MAX_APPENDED_NAME_LENGTH = 128;
constexpr std::size_t JOINED_PATH_BUFFER_SIZE = PATH_BUFFER_SIZE + MAX_APPENDED_NAME_LENGTH;
using JoinedPath = char[JOINED_PATH_BUFFER_SIZE];

// The longest capture date the system clock gives: a 16-bit year, "65535-12-31".
constexpr std::size_t MAX_CAPTURE_DATE_LENGTH = 11;

// The most chars a row appends to its start directory: the launch log's path,
// or the capture file's with its longest date.
constexpr std::size_t LongestAppendedPathLength(const VariantProfile& row)
{
    const std::size_t dataDirectory = 1 + std::string_view(row.productDirectoryName).size() + 1 +
                                      std::string_view(row.dataDirectoryName).size();
    const std::size_t logName = std::string_view(row.logFileName).size();
    const std::size_t captureName = row.diagnosticLogName == nullptr
                                        ? 0
                                        : std::string_view(row.diagnosticLogName).size() +
                                              MAX_CAPTURE_DATE_LENGTH;
    return dataDirectory + 1 + (logName > captureName ? logName : captureName);
}

// Appends a backslash and name; all or nothing.
bool AppendPathPart(char* path, std::size_t capacity, const char* name);

// The composers below take a start directory of at most PATH_BUFFER_SIZE - 1
// chars, as GetStartDirectory gives it, and always compose the whole path.

// start directory\productDirectoryName
void ComposeOuterDirectory(JoinedPath& path, const VariantProfile& profile,
                           const char* startDirectory);
// start directory\productDirectoryName\dataDirectoryName
void ComposeDataDirectory(JoinedPath& path, const VariantProfile& profile,
                          const char* startDirectory);
// The data directory\logFileName
void ComposeLogPath(JoinedPath& path, const VariantProfile& profile, const char* startDirectory);
// The data directory\diagnosticLogName, still without its date
void ComposeDiagnosticLogBase(JoinedPath& path, const VariantProfile& profile,
                              const char* startDirectory);
// Appends year-month-day in decimal without leading zeros: 2015-9-7.
void AppendCaptureDate(JoinedPath& path, std::uint16_t year, std::uint16_t month,
                       std::uint16_t day);

// start directory\relativeName; the name is used as typed, also when it is
// absolute, so a name given with -c always stays below the start directory.
// False when the path does not fit.
bool ComposePropertiesPath(char* path, std::size_t capacity, const char* startDirectory,
                           const char* relativeName);
