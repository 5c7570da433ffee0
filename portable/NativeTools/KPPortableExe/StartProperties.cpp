#include "StartProperties.h"

#include <cstdio>

#include "JvmOptions.h"
#include "LaunchLog.h"
#include "LauncherPaths.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "TextBuffer.h"

namespace {

enum class PropertiesOutcome { Loaded, NotFound, TooLong };

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

// Reads the options of the file into launcherState.jvmOptions. A name cut
// to fit the argument buffer is not looked for: it could name another,
// existing file.
PropertiesOutcome ReadPropertiesFile(const char* startDirectory, const char* relativeName,
                                     bool nameCut)
{
    std::FILE* const file = nameCut ? nullptr : OpenPropertiesFile(startDirectory, relativeName);
    if (file == nullptr) {
        return PropertiesOutcome::NotFound;
    }
    const OptionsOutcome outcome = CollectJvmOptions(ReadFileByte, file, launcherState.jvmOptions,
                                                     sizeof launcherState.jvmOptions);
    std::fclose(file);
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
