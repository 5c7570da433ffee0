#include <gtest/gtest.h>

#include <string>

#include "RowName.h"
#include "TextBuffer.h"

namespace {

TEST(AppendText, IsAllOrNothing)
{
    char buffer[8] = "abc";
    EXPECT_TRUE(AppendText(buffer, sizeof buffer, "defg"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "h"));
    EXPECT_STREQ(buffer, "abcdefg");
}

TEST(CopyTextCut, KeepsWhatFits)
{
    char buffer[4];
    CopyTextCut(buffer, sizeof buffer, "abcdef");
    EXPECT_STREQ(buffer, "abc");
    CopyTextCut(buffer, sizeof buffer, "ab");
    EXPECT_STREQ(buffer, "ab");
}

struct FramedCase {
    const char* name;
    size_t capacity;
    std::string item;
    std::string message;
};

class ComposeFramedMessageTest : public testing::TestWithParam<FramedCase> {};

TEST_P(ComposeFramedMessageTest, KeepsHeadAndTailAndCutsTheItem)
{
    const FramedCase& row = GetParam();
    std::string buffer(row.capacity, '#');
    ComposeFramedMessage(&buffer[0], row.capacity,
                         CatalogueEntry{MSG_FILE_NOT_FOUND, "Could not find file '", "'!"},
                         row.item.c_str());
    EXPECT_EQ(std::string(buffer.c_str()), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComposeFramedMessageTest,
    testing::Values(FramedCase{"Fits", 64, "a.properties", "Could not find file 'a.properties'!"},
                    FramedCase{"EmptyItem", 64, "", "Could not find file ''!"},
                    FramedCase{"ItemCut", 27, "a.properties", "Could not find file 'a.p'!"},
                    FramedCase{"NoRoomForItem", 24, "a.properties", "Could not find file ''!"},
                    FramedCase{"FrameCut", 10, "a", "Could not"}),
    RowName());

}  // namespace
