#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VariantRows.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(VariantRows, LogNameFollowsTheDeliverableAndAllLogsShareOneFolder)
{
    for (const VariantProfile* row : {&PROD_PROFILE, &DEMO_PROFILE, &DIAGNOSTIC_PROFILE}) {
        SCOPED_TRACE(row->deliverableName);
        EXPECT_EQ(std::string(row->logFileName), std::string(row->deliverableName) + ".log");
        EXPECT_STREQ(row->productDirectoryName, PROD_PROFILE.deliverableName);
    }
}

TEST(DiagnosticNotice, HasThirteenLinesJoinedByLineFeedsOnly)
{
    const std::string notice = GERMAN_MESSAGES[MSG_DIAGNOSTIC_NOTICE].head;
    EXPECT_EQ(notice.find('\r'), std::string::npos);
    const std::vector<std::string> lines = SplitLines(notice);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[9], "");
    EXPECT_NE(lines[2].find("der  Kestrelpoint abst\xFC" "rzt,"), std::string::npos);
    EXPECT_NE(lines[12].find("im  Installationsverzeichnis"), std::string::npos);
    EXPECT_EQ(lines[10], "Schicken Sie diese Datei bitte im Anhang einer E-Mail an "
                         "\"support@brennavalle.example\".");
}

// Windows-1252 texts: the only letters outside ASCII are o- and u-umlaut.
TEST(GermanTexts, UseOnlyTheTwoUmlautsOutsideAscii)
{
    std::string texts;
    for (const CatalogueEntry& entry : GERMAN_MESSAGES.entries) {
        texts += std::string(entry.head) + (entry.tail != nullptr ? entry.tail : "");
    }
    for (const char c : texts) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte > 127) {
            EXPECT_TRUE(byte == 0xF6 || byte == 0xFC) << "byte " << int(byte);
        }
    }
}

}  // namespace
