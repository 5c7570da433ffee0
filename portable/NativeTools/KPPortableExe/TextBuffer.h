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

// Appends as much of text as fits, cutting the end off.
void AppendTextCut(char* buffer, std::size_t capacity, const char* text);

// Joins the message's head, item and tail. When the three do not fit, the
// item is cut so that the message keeps its head and tail.
void ComposeFramedMessage(char* buffer, std::size_t capacity, const CatalogueEntry& message,
                          const char* item);

bool ContainsBlankOrTab(const char* text);

// The length of text up to its terminator. (The launchers link no C library:
// its strlen would bring msvcrt.dll in, and the time it takes to load.)
std::size_t TextLength(const char* text);

// The length of text, or limit when it has no terminator before limit chars;
// never reads past them. (The C library's strnlen would bring the toolchain's
// own copy and its unwind table into the launchers.)
std::size_t BoundedLength(const char* text, std::size_t limit);
