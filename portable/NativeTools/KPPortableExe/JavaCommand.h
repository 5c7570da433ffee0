// The command line that starts the folder's own Java runtime.
#pragma once

#include <cstddef>

#include "VariantProfile.h"

// Composes: start directory, backslash, javaExecutable, a blank, jvmOptions,
// " -propertyfile ", defaultPropertyFile. When the executable's path holds a
// blank or a tab it is enclosed in double quotes. Returns false, leaving the
// empty text, when the whole line does not fit: a cut line is never started.
bool ComposeJavaCommand(char* command, std::size_t capacity, const VariantProfile& profile,
                        const char* startDirectory, const char* jvmOptions);
