#include "MessageBoxes.h"

#include <windows.h>

#include "VariantProfile.h"

void ShowErrorBox(const char* text)
{
    MessageBoxA(nullptr, text, ACTIVE_MESSAGES.captionError, MB_OK | MB_ICONERROR);
}

void ShowInformationBox(const char* text)
{
    MessageBoxA(nullptr, text, ACTIVE_MESSAGES.captionInformation, MB_OK | MB_ICONINFORMATION);
}
