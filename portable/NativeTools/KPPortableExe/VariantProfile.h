// Everything that tells the three deliverables apart, gathered in one record,
// and the message catalogue. Each executable links exactly one row and the
// catalogue of its language through its own ActiveProfile.cpp.
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
    // DiagnosticMode's behaviours come together or not at all: it prepares
    // the log directories, shows its notice and captures Java's output.
    bool diagnosticMode;
    std::uint32_t creationFlags;

    // The log directories are prepared before the log is opened and again
    // at the launch.
    constexpr bool createsLogDirectories() const { return diagnosticMode; }
    // MSG_DIAGNOSTIC_NOTICE is shown before the Java process is created.
    constexpr bool showsDiagnosticNotice() const { return diagnosticMode; }
    // The launch goes through ExecuteDiagnosticCommand instead of
    // ExecuteCommand.
    constexpr bool capturesJavaOutput() const { return diagnosticMode; }
};

// The ids of the message catalogue: the texts of the message boxes and the
// captions they are shown under.
enum MessageId : unsigned char {
    MSG_NO_START_DIRECTORY,
    MSG_FILE_NOT_FOUND,
    MSG_CANNOT_START,
    MSG_DIRECTORY_NOT_CREATED,
    MSG_DIAGNOSTIC_NOTICE,
    CAPTION_ERROR,
    CAPTION_INFORMATION,
    MESSAGE_ID_COUNT
};

// One text of a catalogue. A message that names an item (a file, a folder)
// is its head, the item and its tail joined without anything between; any
// other text is its head alone. A text the language's variants never show
// is null.
struct CatalogueEntry {
    MessageId id;
    const char* head;
    const char* tail;  // null when the text names no item
};

// The texts of one language, indexed by their ids.
struct MessageCatalogue {
    CatalogueEntry entries[MESSAGE_ID_COUNT];

    constexpr const CatalogueEntry& operator[](MessageId id) const { return entries[id]; }
};

// The row and the texts of the deliverable being built.
extern const VariantProfile ACTIVE_PROFILE;
extern const MessageCatalogue ACTIVE_MESSAGES;
