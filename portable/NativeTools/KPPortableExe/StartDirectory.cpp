#include "StartDirectory.h"

#include <windows.h>

#include "MessageBoxes.h"

bool GetStartDirectory(char (&startDirectory)[PATH_BUFFER_SIZE])
{
    const DWORD length = GetCurrentDirectoryA(PATH_BUFFER_SIZE, startDirectory);
    startDirectory[PATH_BUFFER_SIZE - 1] = '\0';
    if (!IsUsableStartDirectoryLength(length)) {
        startDirectory[0] = '\0';
        ShowMessageBox(MSG_NO_START_DIRECTORY);
        return false;
    }
    return true;
}
