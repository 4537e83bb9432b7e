// The Windows calls behind the platform code and the keyboard-port driver, on a Windows system
// (or Wine) without that driver installed.

#include "PlatformCode.h"
#include "WinKbPortDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace zelt {
namespace {

TEST(WinPlatform, TheSystemReportsTheNtFamilyAndA64BitProcessIsNative) {
    const auto record = QueryOsVersionRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->platformId, 2);
    EXPECT_GE(record->majorVersion, 5);
    EXPECT_EQ(SystemPlatformId(), 2);
    if (sizeof(void*) == 8) {
        EXPECT_EQ(QueryWow64(), Wow64Answer::Native);
    }
    EXPECT_TRUE(SystemPlatformCode().has_value());
}

TEST(WinKbPortDriver, WithoutTheDriverOpenNamesTheDeviceAndRequestsFailCleanly) {
    WinKbPortDriver driver;
    std::string error;
    if (driver.Open(error)) {
        GTEST_SKIP() << "a keyboard-port driver is installed here";
    }
    EXPECT_EQ(error, "\\\\.\\KBport: error " + std::to_string(ERROR_FILE_NOT_FOUND));

    KbRequest input{};
    input[kKbFunctionByte] = kKbQueryStatus;
    KbRequest output;
    output.fill(0xAA);
    const KbControlResult result = driver.Control(input, output);
    EXPECT_FALSE(result.callSucceeded);
    EXPECT_EQ(result.bytesReturned, 0u);
    EXPECT_EQ(result.errorCode, ERROR_INVALID_HANDLE);
    EXPECT_EQ(output, KbRequest{});
    driver.Close();
    driver.Close();
}

} // namespace
} // namespace zelt
