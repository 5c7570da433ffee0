#include "MessageBoxes.h"

#include "SystemCalls.h"

void ShowMessageBox(MessageId id, const char* text)
{
    const bool notice = id == MSG_DIAGNOSTIC_NOTICE;
    const char* const caption = ACTIVE_MESSAGES[notice ? CAPTION_INFORMATION : CAPTION_ERROR].head;
    const UINT icon = notice ? MB_ICONINFORMATION : MB_ICONERROR;
    system_call::MessageBoxA(nullptr, text, caption, MB_OK | icon);
}

void ShowMessageBox(MessageId id)
{
    ShowMessageBox(id, ACTIVE_MESSAGES[id].head);
}
