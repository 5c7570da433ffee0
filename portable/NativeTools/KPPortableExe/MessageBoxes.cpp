#include "MessageBoxes.h"

#include <windows.h>

#include "VariantProfile.h"

namespace {

using MessageBoxFunction = decltype(&MessageBoxA);

// USER32 is loaded only when a box is shown: a run that shows none, the
// usual one, starts Java without paying for the window system's set-up.
void ShowBox(const char* text, const char* caption, UINT iconStyle)
{
    const HMODULE user32 = LoadLibraryA("user32.dll");
    if (user32 == nullptr) {
        return;
    }
    const auto showMessageBox = reinterpret_cast<MessageBoxFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "MessageBoxA")));
    if (showMessageBox != nullptr) {
        showMessageBox(nullptr, text, caption, MB_OK | iconStyle);
    }
}

}  // namespace

void ShowErrorBox(const char* text)
{
    ShowBox(text, ACTIVE_MESSAGES.captionError, MB_ICONERROR);
}

void ShowInformationBox(const char* text)
{
    ShowBox(text, ACTIVE_MESSAGES.captionInformation, MB_ICONINFORMATION);
}
