// Each executable carries the message texts of its own language only: read
// from the built files, not from the sources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"

namespace {

const std::vector<std::string> ENGLISH_TEXTS = {
    "Could not find the current directory where the application has been started!",
    "Could not find file '",
    "Can't start the application!",
};

const std::vector<std::string> GERMAN_TEXTS = {
    "Konnte das aktuelle Verzeichnis nicht finden, in dem die Applikation gestartet wurde!",
    "Konnte die Datei ",
    " nicht finden!",
    "Kann die Applikation nicht starten!",
    "Konnte das Verzeichns '",
    "' nicht anlegen!",
    "Der Kestrelpoint wird nun im Diagnosemodus gestartet.\n\nFalls ein unerwartetes Problem "
    "auftreten sollte oder der  Kestrelpoint abst\xFC" "rzt,\n",
};

struct LanguageCase {
    std::string deliverable;
    const std::vector<std::string>* own;
    const std::vector<std::string>* foreign;
};

void PrintTo(const LanguageCase& row, std::ostream* out)
{
    *out << row.deliverable;
}

class BuiltTexts : public testing::TestWithParam<LanguageCase> {};

TEST_P(BuiltTexts, AreThoseOfTheVariantsLanguageOnly)
{
    // The executables stand beside this test program.
    const std::string bytes = ReadWholeFile(LauncherPath(GetParam().deliverable.c_str()));
    ASSERT_FALSE(bytes.empty());
    for (const std::string& text : *GetParam().own) {
        EXPECT_NE(bytes.find(text), std::string::npos) << "missing: " << text;
    }
    for (const std::string& text : *GetParam().foreign) {
        EXPECT_EQ(bytes.find(text), std::string::npos) << "foreign: " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Deliverables, BuiltTexts,
    testing::Values(LanguageCase{"Kestrelpoint-Portable", &ENGLISH_TEXTS, &GERMAN_TEXTS},
                    LanguageCase{"Kestrelpoint-Portable-Demo", &ENGLISH_TEXTS, &GERMAN_TEXTS},
                    LanguageCase{"Kestrelpoint-Portable-DiagnosticMode", &GERMAN_TEXTS,
                                 &ENGLISH_TEXTS}));

}  // namespace
