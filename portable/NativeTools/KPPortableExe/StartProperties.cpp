#include "StartProperties.h"

#include <cstdio>

#include "JvmOptions.h"
#include "LaunchLog.h"
#include "LauncherPaths.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "TextBuffer.h"

namespace {

int ReadFileByte(void* file)
{
    const int byte = std::getc(static_cast<std::FILE*>(file));
    return byte == EOF ? END_OF_TEXT : byte;
}

const char* ChooseRelativeName()
{
    return launcherState.alternateFileRequested ? launcherState.propertyArgument
                                                : ACTIVE_PROFILE.defaultPropertyFile;
}

// Text mode: the C runtime reads CR LF as LF and ends the text at a Ctrl-Z.
// A path too long for the buffer names no file that could be opened.
std::FILE* OpenPropertiesFile(const char* startDirectory, const char* relativeName)
{
    char path[COMMAND_BUFFER_SIZE] = {};
    if (!ComposePropertiesPath(path, sizeof path, startDirectory, relativeName)) {
        return nullptr;
    }
    return std::fopen(path, "rt");
}

void ReportFileNotFound(const char* relativeName)
{
    char message[COMMAND_BUFFER_SIZE];
    ComposeFramedMessage(message, sizeof message, ACTIVE_MESSAGES.fileNotFound, relativeName);
    WriteLogEntry(message);
    ShowErrorBox(message);
}

}  // namespace

void LoadStartProperties(const char* startDirectory)
{
    const char* const relativeName = ChooseRelativeName();
    WriteLogEntry("load property file");
    WriteLogEntry(relativeName);

    std::FILE* const file = OpenPropertiesFile(startDirectory, relativeName);
    if (file == nullptr) {
        ReportFileNotFound(relativeName);
        return;
    }
    launcherState.propertiesLoaded = 1;
    const OptionsOutcome outcome = CollectJvmOptions(ReadFileByte, file, launcherState.jvmOptions,
                                                     sizeof launcherState.jvmOptions);
    launcherState.jvmOptionsTooLong = outcome == OptionsOutcome::TooLong;
    std::fclose(file);
}
