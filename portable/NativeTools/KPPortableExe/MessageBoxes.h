// The launcher's only user interface: modal boxes without owner window and
// with the OK button alone. Their answer is never examined.
#pragma once

#include "VariantProfile.h"

// Shows text as the message id: MSG_DIAGNOSTIC_NOTICE under
// CAPTION_INFORMATION with the information icon, every other message, a
// failure, under CAPTION_ERROR with the error icon.
void ShowMessageBox(MessageId id, const char* text);

// Shows the message's own text from the catalogue.
void ShowMessageBox(MessageId id);
