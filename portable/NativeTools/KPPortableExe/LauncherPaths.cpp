#include "LauncherPaths.h"

#include "TextBuffer.h"

namespace {

// The rows' names always fit (MAX_APPENDED_NAME_LENGTH); the bound keeps a
// start directory longer than promised from writing past the buffer.
void JoinPathPart(JoinedPath& path, const char* name)
{
    AppendTextCut(path, sizeof path, "\\");
    AppendTextCut(path, sizeof path, name);
}

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

void AppendDecimal(JoinedPath& path, unsigned number)
{
    char text[DECIMAL_TEXT_SIZE];
    FormatDecimal(text, number);
    AppendTextCut(path, sizeof path, text);
}

}  // namespace

bool AppendPathPart(char* path, std::size_t capacity, const char* name)
{
    const std::size_t used = TextLength(path);
    if (AppendText(path, capacity, "\\") && AppendText(path, capacity, name)) {
        return true;
    }
    path[used] = '\0';
    return false;
}

void ComposeOuterDirectory(JoinedPath& path, const VariantProfile& profile,
                           const char* startDirectory)
{
    CopyTextCut(path, sizeof path, startDirectory);
    JoinPathPart(path, profile.productDirectoryName);
}

void ComposeDataDirectory(JoinedPath& path, const VariantProfile& profile,
                          const char* startDirectory)
{
    ComposeOuterDirectory(path, profile, startDirectory);
    JoinPathPart(path, profile.dataDirectoryName);
}

void ComposeLogPath(JoinedPath& path, const VariantProfile& profile, const char* startDirectory)
{
    ComposeDataDirectory(path, profile, startDirectory);
    JoinPathPart(path, profile.logFileName);
}

void ComposeDiagnosticLogBase(JoinedPath& path, const VariantProfile& profile,
                              const char* startDirectory)
{
    ComposeDataDirectory(path, profile, startDirectory);
    JoinPathPart(path, profile.diagnosticLogName);
}

void AppendCaptureDate(JoinedPath& path, std::uint16_t year, std::uint16_t month,
                       std::uint16_t day)
{
    AppendDecimal(path, year);
    AppendTextCut(path, sizeof path, "-");
    AppendDecimal(path, month);
    AppendTextCut(path, sizeof path, "-");
    AppendDecimal(path, day);
}

bool ComposePropertiesPath(char* path, std::size_t capacity, const char* startDirectory,
                           const char* relativeName)
{
    return CopyText(path, capacity, startDirectory) &&
           AppendPathPart(path, capacity, relativeName);
}
