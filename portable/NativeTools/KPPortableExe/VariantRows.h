// The three rows of VariantProfile and the two message catalogues.
// Only ActiveProfile.cpp of each deliverable (and the tests) include this, so
// an executable carries its own row and the texts of its own language only.
#pragma once

#include <windows.h>

#include "LauncherPaths.h"
#include "VariantProfile.h"

// The maker's support mailbox, named in the diagnostic notice. Packagers
// change it here.
#define KP_SUPPORT_MAILBOX "support@brennavalle.example"

// Started detached from any console; the launcher ends at once.
constexpr std::uint32_t DETACHED_JAVA_FLAGS = DETACHED_PROCESS | CREATE_SEPARATE_WOW_VDM;
// DiagnosticMode's Java runtime gets a console of its own, the one in which
// Ctrl+Break asks it for a diagnostic dump.
constexpr std::uint32_t CONSOLE_JAVA_FLAGS = CREATE_NEW_CONSOLE | CREATE_SEPARATE_WOW_VDM;

inline constexpr VariantProfile PROD_PROFILE = {
    .deliverableName = "Kestrelpoint-Portable",
    .javaExecutable = "java\\bin\\javaw.exe",
    .defaultPropertyFile = "current\\config\\start.properties",
    .productDirectoryName = "Kestrelpoint-Portable",
    .dataDirectoryName = "kestrelpoint",
    .logFileName = "Kestrelpoint-Portable.log",
    .diagnosticLogName = nullptr,
    .textLanguage = TextLanguage::English,
    .diagnosticMode = false,
    .creationFlags = DETACHED_JAVA_FLAGS,
};

inline constexpr VariantProfile DEMO_PROFILE = {
    .deliverableName = "Kestrelpoint-Portable-Demo",
    .javaExecutable = "java\\bin\\javaw.exe",
    .defaultPropertyFile = "current\\config\\start_DemoMode.properties",
    .productDirectoryName = "Kestrelpoint-Portable",
    .dataDirectoryName = "kestrelpoint",
    .logFileName = "Kestrelpoint-Portable-Demo.log",
    .diagnosticLogName = nullptr,
    .textLanguage = TextLanguage::English,
    .diagnosticMode = false,
    .creationFlags = DETACHED_JAVA_FLAGS,
};

inline constexpr VariantProfile DIAGNOSTIC_PROFILE = {
    .deliverableName = "Kestrelpoint-Portable-DiagnosticMode",
    .javaExecutable = "java\\bin\\java.exe",
    .defaultPropertyFile = "current\\config\\start.properties",
    .productDirectoryName = "Kestrelpoint-Portable",
    .dataDirectoryName = "kestrelpoint",
    .logFileName = "Kestrelpoint-Portable-DiagnosticMode.log",
    .diagnosticLogName = "diagnostic.log.",
    .textLanguage = TextLanguage::German,
    .diagnosticMode = true,
    .creationFlags = CONSOLE_JAVA_FLAGS,
};

inline constexpr MessageCatalogue ENGLISH_MESSAGES = {{
    {MSG_NO_START_DIRECTORY,
     "Could not find the current directory where the application has been started!", nullptr},
    {MSG_FILE_NOT_FOUND, "Could not find file '", "'!"},
    {MSG_CANNOT_START, "Can't start the application!", nullptr},
    {MSG_DIRECTORY_NOT_CREATED, nullptr, nullptr},
    {MSG_DIAGNOSTIC_NOTICE, nullptr, nullptr},
    {CAPTION_ERROR, "Error", nullptr},
    {CAPTION_INFORMATION, nullptr, nullptr},
}};

// Windows-1252: \xF6 is o-umlaut, \xFC u-umlaut. Each escape stands at the end
// of its literal so that a following hex letter cannot extend it.
inline constexpr MessageCatalogue GERMAN_MESSAGES = {{
    {MSG_NO_START_DIRECTORY,
     "Konnte das aktuelle Verzeichnis nicht finden, in dem die Applikation gestartet wurde!",
     nullptr},
    {MSG_FILE_NOT_FOUND, "Konnte die Datei ", " nicht finden!"},
    {MSG_CANNOT_START, "Kann die Applikation nicht starten!", nullptr},
    {MSG_DIRECTORY_NOT_CREATED, "Konnte das Verzeichns '", "' nicht anlegen!"},
    {MSG_DIAGNOSTIC_NOTICE,
     "Der Kestrelpoint wird nun im Diagnosemodus gestartet.\n"
     "\n"
     "Falls ein unerwartetes Problem auftreten sollte oder der  Kestrelpoint abst\xFC" "rzt,\n"
     "wechseln Sie bitte in das DOS Fenster, welches im Hintergrund ge\xF6" "ffnet wurde,\n"
     "und dr\xFC" "cken Sie die Tastenkombination \"Strg\" und \"Pause\".\n"
     "\n"
     "Dadurch wird eine Diagnosedatei erzeugt, die der Brennavalle die Problembehebung erheblich erleichtert.\n"
     "Die erzeugte Diagnosedatei finden Sie im Installationsverzeichnis des Kestrelpoints.\n"
     "Sie beginnt mit \"diagnostic.log...\"\n"
     "\n"
     "Schicken Sie diese Datei bitte im Anhang einer E-Mail an \"" KP_SUPPORT_MAILBOX "\".\n"
     "Weitere Informationen k\xF6" "nnen Sie der Datei \"diagnostic_readme.txt\" entnehmen,\n"
     "die sich ebenfalls im  Installationsverzeichnis befindet.",
     nullptr},
    {CAPTION_ERROR, "Error", nullptr},
    {CAPTION_INFORMATION, "Information", nullptr},
}};

constexpr const MessageCatalogue& CatalogueFor(TextLanguage language)
{
    return language == TextLanguage::German ? GERMAN_MESSAGES : ENGLISH_MESSAGES;
}

// Compile-time checks of the rows and catalogues.

// Each entry stands at the index of its own id, so a text is never shown
// for another.
constexpr bool IsIndexedById(const MessageCatalogue& catalogue)
{
    for (unsigned index = 0; index < MESSAGE_ID_COUNT; ++index) {
        if (catalogue.entries[index].id != index) {
            return false;
        }
    }
    return true;
}

constexpr bool HasText(const MessageCatalogue& catalogue, MessageId id)
{
    return catalogue[id].head != nullptr;
}

constexpr bool HasFramedText(const MessageCatalogue& catalogue, MessageId id)
{
    return HasText(catalogue, id) && catalogue[id].tail != nullptr;
}

// Every box a row's behaviour can show has its text in the row's catalogue.
constexpr bool HasEveryTextItShows(const VariantProfile& row)
{
    const MessageCatalogue& texts = CatalogueFor(row.textLanguage);
    const bool failureTexts = HasText(texts, MSG_NO_START_DIRECTORY) &&
                              HasFramedText(texts, MSG_FILE_NOT_FOUND) &&
                              HasText(texts, MSG_CANNOT_START) && HasText(texts, CAPTION_ERROR);
    const bool directoryText =
        !row.createsLogDirectories() || HasFramedText(texts, MSG_DIRECTORY_NOT_CREATED);
    const bool noticeTexts = !row.showsDiagnosticNotice() ||
                             (HasText(texts, MSG_DIAGNOSTIC_NOTICE) &&
                              HasText(texts, CAPTION_INFORMATION));
    return failureTexts && directoryText && noticeTexts;
}

// Only a row that captures Java's output names a capture file.
constexpr bool NamesCaptureFileExactlyWhenCapturing(const VariantProfile& row)
{
    return (row.diagnosticLogName != nullptr) == row.capturesJavaOutput();
}

static_assert(IsIndexedById(ENGLISH_MESSAGES) && IsIndexedById(GERMAN_MESSAGES));

#define KP_CHECK_ROW(row)                                                              \
    static_assert(HasEveryTextItShows(row), #row " shows a box without its text");    \
    static_assert(NamesCaptureFileExactlyWhenCapturing(row), #row ": capture name");  \
    static_assert(LongestAppendedPathLength(row) <= MAX_APPENDED_NAME_LENGTH,          \
                  #row " appends a name longer than the joined-path buffers hold")
KP_CHECK_ROW(PROD_PROFILE);
KP_CHECK_ROW(DEMO_PROFILE);
KP_CHECK_ROW(DIAGNOSTIC_PROFILE);
#undef KP_CHECK_ROW
