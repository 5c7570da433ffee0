// Each executable carries the message texts of its own language only: read
// from the built files, not from the sources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HarnessFacts.h"
#include "RowName.h"

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
    const char* name;  // the deliverable
    const std::vector<std::string>* own;
    const std::vector<std::string>* foreign;
};

class BuiltTexts : public testing::TestWithParam<LanguageCase> {};

TEST_P(BuiltTexts, AreThoseOfTheVariantsLanguageOnly)
{
    // The executables stand beside this test program.
    const std::string bytes = ReadWholeFile(DeliverablePath(GetParam().name));
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
    testing::Values(LanguageCase{PROD, &ENGLISH_TEXTS, &GERMAN_TEXTS},
                    LanguageCase{DEMO, &ENGLISH_TEXTS, &GERMAN_TEXTS},
                    LanguageCase{DIAGNOSTIC, &GERMAN_TEXTS, &ENGLISH_TEXTS}),
    RowName());

}  // namespace
