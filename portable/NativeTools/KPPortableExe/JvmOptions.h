// The JVM options at the head of a start-properties file: tokens separated
// by white space, ended by the token "/**".
#pragma once

#include <cstddef>

// Returns the next byte (0 to 255) of the file's text, or END_OF_TEXT. The
// bytes are those a text-mode read yields: CR LF already reads as LF, and a
// Ctrl-Z has already ended the text.
using ReadByteFunction = int (*)(void* source);
constexpr int END_OF_TEXT = -1;

enum class OptionsOutcome {
    Complete,  // every option before the end marker is in the buffer
    TooLong,   // the options with their blanks do not fit the buffer
};

// Collects the tokens before the first token that is exactly "/**" into
// options, each followed by one blank, as a formatted stream extraction does:
// an extraction that meets the end of the text yields an empty token, which
// still gets its blank. A NUL byte ends a token and is never read past: the
// options before it are kept, and the failed extraction adds nothing.
OptionsOutcome CollectJvmOptions(ReadByteFunction readByte, void* source, char* options,
                                 std::size_t capacity);
