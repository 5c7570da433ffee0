#include "JavaCommand.h"

#include <cstring>

#include "TextBuffer.h"

namespace {

// An unquoted path with a blank makes the system try the text up to each
// blank as a program (C:\Program.exe first), and the Java runtime split it
// into several arguments; quoting the whole path prevents both.
bool AppendExecutablePath(char* command, std::size_t capacity, const VariantProfile& profile,
                          const char* startDirectory)
{
    const bool quoted = ContainsBlankOrTab(startDirectory) ||
                        ContainsBlankOrTab(profile.javaExecutable);
    const char* const quote = quoted ? "\"" : "";
    return AppendText(command, capacity, quote) &&
           AppendText(command, capacity, startDirectory) &&
           AppendText(command, capacity, "\\") &&
           AppendText(command, capacity, profile.javaExecutable) &&
           AppendText(command, capacity, quote);
}

}  // namespace

bool ComposeJavaCommand(char* command, std::size_t capacity, const VariantProfile& profile,
                        const char* startDirectory, const char* jvmOptions)
{
    std::memset(command, 0, capacity);
    const bool composed = AppendExecutablePath(command, capacity, profile, startDirectory) &&
                          AppendText(command, capacity, " ") &&
                          AppendText(command, capacity, jvmOptions) &&
                          AppendText(command, capacity, " -propertyfile ") &&
                          AppendText(command, capacity, profile.defaultPropertyFile);
    if (!composed) {
        command[0] = '\0';
    }
    return composed;
}
