#include <gtest/gtest.h>

#include <string>

#include "JavaCommand.h"
#include "RowName.h"
#include "VariantRows.h"

namespace {

struct CommandCase {
    const char* name;
    const VariantProfile* profile;
    std::string startDirectory;
    std::string jvmOptions;
    std::string command;
};

class ComposeJavaCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ComposeJavaCommandTest, JoinsTheSevenPieces)
{
    const CommandCase& row = GetParam();
    char command[COMMAND_BUFFER_SIZE];
    ASSERT_TRUE(ComposeJavaCommand(command, sizeof command, *row.profile,
                                   row.startDirectory.c_str(), row.jvmOptions.c_str()));
    EXPECT_EQ(std::string(command), row.command);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComposeJavaCommandTest,
    testing::Values(
        CommandCase{"Prod", &PROD_PROFILE, "D:\\KP", "-Xmx512m -Dx=1 ",
                    "D:\\KP\\java\\bin\\javaw.exe -Xmx512m -Dx=1  -propertyfile "
                    "current\\config\\start.properties"},
        CommandCase{"NoOptions", &PROD_PROFILE, "D:\\KP", "",
                    "D:\\KP\\java\\bin\\javaw.exe  -propertyfile current\\config\\start.properties"},
        CommandCase{"Demo", &DEMO_PROFILE, "D:\\KP", "-Xmx512m -Dx=1 ",
                    "D:\\KP\\java\\bin\\javaw.exe -Xmx512m -Dx=1  -propertyfile "
                    "current\\config\\start_DemoMode.properties"},
        CommandCase{"Diagnostic", &DIAGNOSTIC_PROFILE, "E:\\Apps", "-Xmx1g ",
                    "E:\\Apps\\java\\bin\\java.exe -Xmx1g  -propertyfile "
                    "current\\config\\start.properties"},
        CommandCase{"DriveRoot", &PROD_PROFILE, "D:\\", "",
                    "D:\\\\java\\bin\\javaw.exe  -propertyfile current\\config\\start.properties"},
        // A blank or tab in the path would let the system try C:\My.exe first
        // and split the path into arguments: the path goes in quotes.
        CommandCase{"BlankInStartDirectory", &PROD_PROFILE, "C:\\My App", "-Xmx1g ",
                    "\"C:\\My App\\java\\bin\\javaw.exe\" -Xmx1g  -propertyfile "
                    "current\\config\\start.properties"},
        CommandCase{"TabInStartDirectory", &PROD_PROFILE, "C:\\My\tApp", "",
                    "\"C:\\My\tApp\\java\\bin\\javaw.exe\"  -propertyfile "
                    "current\\config\\start.properties"},
        CommandCase{"BlankInOptionsOnlyIsNotQuoted", &PROD_PROFILE, "C:\\KP", "\"-Da=b c\" ",
                    "C:\\KP\\java\\bin\\javaw.exe \"-Da=b c\"  -propertyfile "
                    "current\\config\\start.properties"}),
    RowName());

// The line that exactly fills the buffer is composed; one char more is
// refused and leaves the empty text, never a cut line.
TEST(ComposeJavaCommandLimits, RefusesALineThatDoesNotFitWhole)
{
    const std::string fixed = "D:\\KP\\java\\bin\\javaw.exe  -propertyfile "
                              "current\\config\\start.properties";
    const std::string fitting(COMMAND_BUFFER_SIZE - 1 - fixed.size(), 'x');
    char command[COMMAND_BUFFER_SIZE];
    ASSERT_TRUE(ComposeJavaCommand(command, sizeof command, PROD_PROFILE, "D:\\KP",
                                   fitting.c_str()));
    EXPECT_EQ(std::string(command).size(), COMMAND_BUFFER_SIZE - 1);

    const std::string tooLong = fitting + "x";
    EXPECT_FALSE(ComposeJavaCommand(command, sizeof command, PROD_PROFILE, "D:\\KP",
                                    tooLong.c_str()));
    EXPECT_STREQ(command, "");
}

}  // namespace
