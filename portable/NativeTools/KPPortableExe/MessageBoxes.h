// The launcher's only user interface: modal boxes without owner window and
// with the OK button alone. Their answer is never examined.
#pragma once

// A failure: caption CAPTION_ERROR and the error icon.
void ShowErrorBox(const char* text);

// The diagnostic notice: caption CAPTION_INFORMATION and the information icon.
void ShowInformationBox(const char* text);
