#include "StartProperties.h"

#include <windows.h>

#include "JvmOptions.h"
#include "LaunchLog.h"
#include "LauncherPaths.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "TextBuffer.h"
#include "TextModeReader.h"

namespace {

enum class PropertiesOutcome { Loaded, NotFound, TooLong };

// A failed read gives no bytes, so that it ends the text as the end of the
// file does.
std::size_t ReadChunk(void* file, unsigned char* chunk, std::size_t capacity)
{
    DWORD read = 0;
    const BOOL succeeded =
        ReadFile(static_cast<HANDLE>(file), chunk, static_cast<DWORD>(capacity), &read, nullptr);
    return succeeded ? read : 0;
}

const char* ChooseRelativeName()
{
    return launcherState.alternateFileRequested ? launcherState.propertyArgument
                                                : ACTIVE_PROFILE.defaultPropertyFile;
}

// Shared for reading and writing: the launcher restricts no one who has the
// file open or opens it meanwhile. A path too long for the buffer names no
// file that could be opened; a directory cannot be opened as a file.
HANDLE OpenPropertiesFile(const char* startDirectory, const char* relativeName)
{
    char path[COMMAND_BUFFER_SIZE] = {};
    if (!ComposePropertiesPath(path, sizeof path, startDirectory, relativeName)) {
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The options of an open file, read in text mode.
OptionsOutcome CollectFileOptions(HANDLE file)
{
    TextModeReader reader;
    StartTextModeReader(reader, ReadChunk, file);
    return CollectJvmOptions(ReadTextModeByte, &reader, launcherState.jvmOptions,
                             sizeof launcherState.jvmOptions);
}

// Reads the options of the file into launcherState.jvmOptions. A name cut
// to fit the argument buffer is not looked for: it could name another,
// existing file.
PropertiesOutcome ReadPropertiesFile(const char* startDirectory, const char* relativeName,
                                     bool nameCut)
{
    const HANDLE file =
        nameCut ? INVALID_HANDLE_VALUE : OpenPropertiesFile(startDirectory, relativeName);
    if (file == INVALID_HANDLE_VALUE) {
        return PropertiesOutcome::NotFound;
    }
    const OptionsOutcome outcome = CollectFileOptions(file);
    // Closed before any box is shown; a failing close changes nothing.
    CloseHandle(file);
    return outcome == OptionsOutcome::TooLong ? PropertiesOutcome::TooLong
                                              : PropertiesOutcome::Loaded;
}

void ReportFileNotFound(const char* relativeName)
{
    char message[COMMAND_BUFFER_SIZE];
    ComposeFramedMessage(message, sizeof message, ACTIVE_MESSAGES[MSG_FILE_NOT_FOUND],
                         relativeName);
    WriteLogEntry(message);
    ShowMessageBox(MSG_FILE_NOT_FOUND, message);
}

}  // namespace

void LoadStartProperties(const char* startDirectory)
{
    const char* const relativeName = ChooseRelativeName();
    WriteLogEntry("load property file");
    WriteLogEntry(relativeName);

    const bool nameCut = launcherState.alternateFileRequested && launcherState.propertyArgumentCut;
    const PropertiesOutcome outcome = ReadPropertiesFile(startDirectory, relativeName, nameCut);
    if (outcome == PropertiesOutcome::NotFound) {
        ReportFileNotFound(relativeName);
        return;
    }
    launcherState.propertiesLoaded = 1;
    launcherState.jvmOptionsTooLong = outcome == PropertiesOutcome::TooLong;
}
