// The three rows of VariantProfile and the two message catalogues.
// Only ActiveProfile.cpp of each deliverable (and the tests) include this, so
// an executable carries its own row and the texts of its own language only.
#pragma once

#include <windows.h>

#include "VariantProfile.h"

// The maker's support mailbox, named in the diagnostic notice. Packagers
// change it here.
#define KP_SUPPORT_MAILBOX "support@brennavalle.example"

inline constexpr VariantProfile PROD_PROFILE = {
    "Kestrelpoint-Portable",
    "java\\bin\\javaw.exe",
    "current\\config\\start.properties",
    "Kestrelpoint-Portable",
    "kestrelpoint",
    "Kestrelpoint-Portable.log",
    nullptr,
    TextLanguage::English,
    false,
    false,
    false,
    DETACHED_PROCESS | CREATE_SEPARATE_WOW_VDM,
};

inline constexpr VariantProfile DEMO_PROFILE = {
    "Kestrelpoint-Portable-Demo",
    "java\\bin\\javaw.exe",
    "current\\config\\start_DemoMode.properties",
    "Kestrelpoint-Portable",
    "kestrelpoint",
    "Kestrelpoint-Portable-Demo.log",
    nullptr,
    TextLanguage::English,
    false,
    false,
    false,
    DETACHED_PROCESS | CREATE_SEPARATE_WOW_VDM,
};

inline constexpr VariantProfile DIAGNOSTIC_PROFILE = {
    "Kestrelpoint-Portable-DiagnosticMode",
    "java\\bin\\java.exe",
    "current\\config\\start.properties",
    "Kestrelpoint-Portable",
    "kestrelpoint",
    "Kestrelpoint-Portable-DiagnosticMode.log",
    "diagnostic.log.",
    TextLanguage::German,
    true,
    true,
    true,
    CREATE_NEW_CONSOLE | CREATE_SEPARATE_WOW_VDM,
};

inline constexpr MessageCatalogue ENGLISH_MESSAGES = {
    "Could not find the current directory where the application has been started!",
    {"Could not find file '", "'!"},
    "Can't start the application!",
    {nullptr, nullptr},
    nullptr,
    "Error",
    nullptr,
};

// Windows-1252: \xF6 is o-umlaut, \xFC u-umlaut. Each escape stands at the end
// of its literal so that a following hex letter cannot extend it.
inline constexpr MessageCatalogue GERMAN_MESSAGES = {
    "Konnte das aktuelle Verzeichnis nicht finden, in dem die Applikation gestartet wurde!",
    {"Konnte die Datei ", " nicht finden!"},
    "Kann die Applikation nicht starten!",
    {"Konnte das Verzeichns '", "' nicht anlegen!"},
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
    "Error",
    "Information",
};

constexpr const MessageCatalogue& CatalogueFor(TextLanguage language)
{
    return language == TextLanguage::German ? GERMAN_MESSAGES : ENGLISH_MESSAGES;
}
