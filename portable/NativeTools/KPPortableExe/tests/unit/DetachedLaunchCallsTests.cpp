// The PROD and Demo launch's call to the system, recorded below the process
// level: the Java process gets no standard handles of the launcher's and
// starts detached from any console.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ProcessLaunch.h"
#include "RecordingSystemCalls.h"
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = PROD_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = ENGLISH_MESSAGES;

namespace {

TEST(DetachedLaunch, StartsJavaWithAnEmptyStartupRecordAndTheDetachedFlags)
{
    const std::string line =
        "C:\\KP\\java\\bin\\javaw.exe -Xmx1g  -propertyfile current\\config\\start.properties";
    std::string command = line;
    systemCalls = {};
    EXPECT_TRUE(ExecuteCommand(&command[0]));

    ASSERT_EQ(systemCalls.processCreations.size(), 1u);
    const RecordedProcessCreation& call = systemCalls.processCreations[0];
    ExpectJavaCreation(call, line, DETACHED_PROCESS | CREATE_SEPARATE_WOW_VDM);
    STARTUPINFOA empty = {};
    empty.cb = sizeof empty;
    EXPECT_EQ(std::memcmp(&call.startupInfo, &empty, sizeof empty), 0)
        << "flags " << call.startupInfo.dwFlags;
}

}  // namespace
