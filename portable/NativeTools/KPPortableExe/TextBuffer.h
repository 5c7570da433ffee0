// Bounded text composition over fixed-size buffers. Every function keeps the
// buffer NUL-terminated and never writes past its capacity.
#pragma once

#include <cstddef>

#include "VariantProfile.h"

// Appends text to the NUL-terminated buffer. All or nothing: when the text
// does not fit, the buffer is left as it was and false is returned.
bool AppendText(char* buffer, std::size_t capacity, const char* text);

// Replaces the buffer's contents with text, all or nothing as AppendText; on
// failure the buffer holds the empty text.
bool CopyText(char* buffer, std::size_t capacity, const char* text);

// Copies as much of text as fits, cutting the end off.
void CopyTextCut(char* buffer, std::size_t capacity, const char* text);

// Joins prefix, item and suffix. When the three do not fit, the item is cut so
// that the message keeps its prefix and suffix.
void ComposeFramedMessage(char* buffer, std::size_t capacity, const FramedMessage& message,
                          const char* item);

bool ContainsBlankOrTab(const char* text);
