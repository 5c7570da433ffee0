// Everything that tells the three deliverables apart, gathered in one record.
// Each executable links exactly one row through its own ActiveProfile.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

// Size in chars, terminator included, of every command-sized text buffer.
constexpr std::size_t COMMAND_BUFFER_SIZE = 8048;
// The Windows path limit: at most 259 chars and the terminator.
constexpr std::size_t PATH_BUFFER_SIZE = 260;

enum class TextLanguage { English, German };

struct VariantProfile {
    const char* deliverableName;
    const char* javaExecutable;
    const char* defaultPropertyFile;
    const char* productDirectoryName;
    const char* dataDirectoryName;
    const char* logFileName;
    const char* diagnosticLogName;  // null outside DiagnosticMode
    TextLanguage textLanguage;
    bool createsLogDirectories;
    bool showsDiagnosticNotice;
    bool capturesJavaOutput;
    std::uint32_t creationFlags;
};

// A message shown as prefix, item and suffix joined without anything between.
struct FramedMessage {
    const char* prefix;
    const char* suffix;
};

// The texts of one language; a text a variant never shows is null.
struct MessageCatalogue {
    const char* noStartDirectory;
    FramedMessage fileNotFound;
    const char* cannotStart;
    FramedMessage directoryNotCreated;
    const char* diagnosticNotice;
    const char* captionError;
    const char* captionInformation;
};

// The row and the texts of the deliverable being built.
extern const VariantProfile ACTIVE_PROFILE;
extern const MessageCatalogue ACTIVE_MESSAGES;
