// The stand-in Java runtime's record must give back every value whole,
// whatever bytes it holds, or the end-to-end tests would read another field
// or another run in its place.
#include "JavaRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RowName.h"

namespace {

struct ValueCase {
    const char* name;
    std::string value;
};

class RecordValue : public testing::TestWithParam<ValueCase> {};

TEST_P(RecordValue, IsReadBackWholeBetweenItsNeighbours)
{
    const std::string record = JavaRecordField(FIELD_COMMAND_LINE, GetParam().value) +
                               JavaRecordField(FIELD_PID, "7");
    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE), GetParam().value);
    EXPECT_EQ(JavaRecordValues(record, FIELD_PID), std::vector<std::string>{"7"});
    EXPECT_FALSE(JavaRecordFinished(record));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecordValue,
    testing::Values(ValueCase{"Empty", ""},
                    ValueCase{"LineEndAndAnotherField", "a\r\nfinished=1:1\r\npid=1:9"},
                    ValueCase{"LengthLookalike", "12:x"},
                    ValueCase{"NulAndHighBytes", std::string("a\0\xFF=", 4)}),
    RowName());

TEST(RecordOfSeveralRuns, GivesEachRunsValuesInTheOrderWritten)
{
    const std::string record = JavaRecordField(FIELD_PID, "4") + JavaRecordField(FIELD_PID, "8") +
                               JavaRecordField(FIELD_FINISHED, "8");
    EXPECT_EQ(JavaRecordValues(record, FIELD_PID), (std::vector<std::string>{"4", "8"}));
    EXPECT_EQ(JavaRecordValue(record, FIELD_FINISHED), "8");
}

// A field still being written is not read: its run has not finished.
TEST(RecordBeingWritten, EndsBeforeAnIncompleteField)
{
    const std::string whole = JavaRecordField(FIELD_PID, "4") + JavaRecordField(FIELD_FINISHED, "4");
    for (size_t cut = whole.size() - JavaRecordField(FIELD_FINISHED, "4").size() + 1;
         cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        EXPECT_FALSE(JavaRecordFinished(whole.substr(0, cut)));
        EXPECT_EQ(JavaRecordValue(whole.substr(0, cut), FIELD_PID), "4");
    }
    EXPECT_TRUE(JavaRecordFinished(whole));
}

}  // namespace
