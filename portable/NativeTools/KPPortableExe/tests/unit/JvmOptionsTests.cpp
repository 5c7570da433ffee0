#include <gtest/gtest.h>

#include <string>

#include "JvmOptions.h"
#include "RowName.h"
#include "VariantProfile.h"

namespace {

struct TextSource {
    const std::string* bytes;
    size_t position;
};

int ReadFromText(void* source)
{
    auto* text = static_cast<TextSource*>(source);
    if (text->position == text->bytes->size()) {
        return END_OF_TEXT;
    }
    return static_cast<unsigned char>((*text->bytes)[text->position++]);
}

struct Collected {
    OptionsOutcome outcome;
    std::string options;
};

Collected Collect(const std::string& bytes, size_t capacity = COMMAND_BUFFER_SIZE)
{
    TextSource source{&bytes, 0};
    std::string options(capacity, '#');
    const OptionsOutcome outcome = CollectJvmOptions(ReadFromText, &source, &options[0], capacity);
    return {outcome, options.c_str()};
}

struct OptionsCase {
    const char* name;
    std::string text;  // as a text-mode read yields it
    std::string options;
};

class CollectJvmOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(CollectJvmOptionsTest, TakesTheTokensBeforeTheEndMarker)
{
    const Collected collected = Collect(GetParam().text);
    EXPECT_EQ(collected.outcome, OptionsOutcome::Complete);
    EXPECT_EQ(collected.options, GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CollectJvmOptionsTest,
    testing::Values(
        OptionsCase{"WorkedExample", "-Xms64m -Xmx512m\n\t-Dfile.encoding=UTF-8\n/**\nanything",
                    "-Xms64m -Xmx512m -Dfile.encoding=UTF-8 "},
        OptionsCase{"Empty", "", " "},
        OptionsCase{"WhiteSpaceOnly", " \t\n\v\f\r ", " "},
        OptionsCase{"MarkerFirst", "/** -Xmx1g", ""},
        OptionsCase{"NoMarkerEndsAfterLastOption", "-Xmx1g -Da=b", "-Xmx1g -Da=b "},
        OptionsCase{"NoMarkerWithLineEnd", "-Xmx1g -Da=b\n", "-Xmx1g -Da=b  "},
        OptionsCase{"MarkerOnlyAsItsOwnToken", "-Xmx512m/** /**x //** /* /** -late",
                    "-Xmx512m/** /**x //** /* "},
        OptionsCase{"MarkerMidLine", "-a -b /** -c -d\n-e", "-a -b "},
        OptionsCase{"SecondMarkerIrrelevant", "-a /** -b /** -c", "-a "},
        OptionsCase{"AllSixWhiteSpaceBytesSeparate", "a\tb\nc\vd\fe\rf g /**",
                    "a b c d e f g "},
        OptionsCase{"NoBreakSpaceJoins", "-Da\xA0-Db /**", "-Da\xA0-Db "},
        OptionsCase{"HighBytesKept", "-Dname=\xE4\xF6\xFC /**", "-Dname=\xE4\xF6\xFC "},
        OptionsCase{"QuotesAreTokenBytes", "\"-Da=b c\" /**", "\"-Da=b c\" "},
        OptionsCase{"ByteOrderMarkStartsFirstToken", "\xEF\xBB\xBF-Xmx1g /**",
                    "\xEF\xBB\xBF-Xmx1g "},
        // A NUL is never read past: the options before it stay, and the
        // extraction that stops at it adds nothing.
        OptionsCase{"NulEndsTheOptions", std::string("-a -b\0-c /**", 12), "-a -b "},
        OptionsCase{"NulAfterBlank", std::string("-a \0 -c /**", 11), "-a "},
        OptionsCase{"NulFirst", std::string("\0-a /**", 7), ""},
        OptionsCase{"Utf16File", std::string("\xFF\xFE-\0X\0m\0x\0 \0/\0*\0*\0", 18),
                    "\xFF\xFE- "}),
    RowName());

struct LimitCase {
    const char* name;
    std::string text;
    size_t capacity;
    OptionsOutcome outcome;
    std::string options;  // checked when Complete
};

class OptionsLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(OptionsLimitTest, NeverWritesPastTheBuffer)
{
    const LimitCase& row = GetParam();
    const Collected collected = Collect(row.text, row.capacity);
    EXPECT_EQ(collected.outcome, row.outcome);
    EXPECT_LT(collected.options.size(), row.capacity);
    if (row.outcome == OptionsOutcome::Complete) {
        EXPECT_EQ(collected.options, row.options);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptionsLimitTest,
    testing::Values(
        LimitCase{"FitsExactly", "abc def /**", 9, OptionsOutcome::Complete, "abc def "},
        LimitCase{"BlankDoesNotFit", "abc def /**", 8, OptionsOutcome::TooLong, ""},
        LimitCase{"TokenDoesNotFit", "abc defgh /**", 8, OptionsOutcome::TooLong, ""},
        LimitCase{"MarkerNeedsNoRoom", "abc /**", 5, OptionsOutcome::Complete, "abc "},
        LimitCase{"LongMarkerLookalike", "abc /**x", 5, OptionsOutcome::TooLong, ""},
        LimitCase{"HugeToken", std::string(100000, 'x') + " /**", COMMAND_BUFFER_SIZE,
                  OptionsOutcome::TooLong, ""},
        LimitCase{"FullBuffer", std::string(COMMAND_BUFFER_SIZE - 2, 'x') + " /**",
                  COMMAND_BUFFER_SIZE, OptionsOutcome::Complete,
                  std::string(COMMAND_BUFFER_SIZE - 2, 'x') + " "},
        LimitCase{"OneByteOver", std::string(COMMAND_BUFFER_SIZE - 1, 'x') + " /**",
                  COMMAND_BUFFER_SIZE, OptionsOutcome::TooLong, ""}),
    RowName());

}  // namespace
