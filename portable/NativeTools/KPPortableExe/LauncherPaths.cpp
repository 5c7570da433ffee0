#include "LauncherPaths.h"

#include <cstring>

#include "TextBuffer.h"

bool AppendPathPart(char* path, std::size_t capacity, const char* name)
{
    const std::size_t used = std::strlen(path);
    if (AppendText(path, capacity, "\\") && AppendText(path, capacity, name)) {
        return true;
    }
    path[used] = '\0';
    return false;
}

bool ComposeOuterDirectory(char* path, std::size_t capacity, const VariantProfile& profile,
                           const char* startDirectory)
{
    return CopyText(path, capacity, startDirectory) &&
           AppendPathPart(path, capacity, profile.productDirectoryName);
}

bool ComposeDataDirectory(char* path, std::size_t capacity, const VariantProfile& profile,
                          const char* startDirectory)
{
    return ComposeOuterDirectory(path, capacity, profile, startDirectory) &&
           AppendPathPart(path, capacity, profile.dataDirectoryName);
}

bool ComposeLogPath(char* path, std::size_t capacity, const VariantProfile& profile,
                    const char* startDirectory)
{
    return ComposeDataDirectory(path, capacity, profile, startDirectory) &&
           AppendPathPart(path, capacity, profile.logFileName);
}

bool ComposeDiagnosticLogBase(char* path, std::size_t capacity, const VariantProfile& profile,
                              const char* startDirectory)
{
    return ComposeDataDirectory(path, capacity, profile, startDirectory) &&
           AppendPathPart(path, capacity, profile.diagnosticLogName);
}

namespace {

// The digits of an unsigned number, and its terminator.
constexpr std::size_t DECIMAL_TEXT_SIZE = 11;
constexpr unsigned DECIMAL_BASE = 10;

// Decimal text without leading zeros. Written by hand: the C library's
// formatted output would add some 20 KB to each executable.
void FormatDecimal(char (&text)[DECIMAL_TEXT_SIZE], unsigned number)
{
    char reversed[DECIMAL_TEXT_SIZE];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + number % DECIMAL_BASE);
        number /= DECIMAL_BASE;
    } while (number != 0);
    for (std::size_t index = 0; index < count; ++index) {
        text[index] = reversed[count - 1 - index];
    }
    text[count] = '\0';
}

bool AppendDecimal(char* path, std::size_t capacity, unsigned number)
{
    char text[DECIMAL_TEXT_SIZE];
    FormatDecimal(text, number);
    return AppendText(path, capacity, text);
}

}  // namespace

bool AppendCaptureDate(char* path, std::size_t capacity, unsigned year, unsigned month,
                       unsigned day)
{
    const std::size_t used = std::strlen(path);
    if (AppendDecimal(path, capacity, year) && AppendText(path, capacity, "-") &&
        AppendDecimal(path, capacity, month) && AppendText(path, capacity, "-") &&
        AppendDecimal(path, capacity, day)) {
        return true;
    }
    path[used] = '\0';
    return false;
}

bool ComposePropertiesPath(char* path, std::size_t capacity, const char* startDirectory,
                           const char* relativeName)
{
    return CopyText(path, capacity, startDirectory) &&
           AppendPathPart(path, capacity, relativeName);
}
