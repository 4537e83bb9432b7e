#include "PlatformCode.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(PlatformCode, Table) {
    struct Case {
        int platformId;
        int major;
        int minor;
        Wow64Answer wow64;
        int code;
    };
    const auto N = Wow64Answer::Native;
    const auto E = Wow64Answer::Emulated;
    const auto F = Wow64Answer::QueryFailed;
    const Case cases[] = {
        // Older family.
        {1, 3, 10, N, 1},
        {1, 4, 0, N, 1},
        {1, 4, 10, N, 2},
        {1, 4, 90, E, 2},
        {1, 5, 0, N, 2},
        {1, 4, 0, F, 1},
        // NT family.
        {2, 3, 51, N, 3},
        {2, 4, 0, E, 3},
        {2, 4, 0, F, 3},
        {2, 5, 0, N, 4},
        {2, 5, 0, E, 4},
        {2, 5, 0, F, 4},
        {2, 5, 1, N, 5},
        {2, 5, 2, N, 5},
        {2, 5, 1, E, 6},
        {2, 5, 2, E, 6},
        {2, 6, 0, N, 7},
        {2, 6, 3, N, 7},
        {2, 6, 1, E, 8},
        {2, 10, 0, N, 0},
        {2, 10, 0, E, 0},
        {2, 10, 0, F, 0},
        {2, 7, 0, N, 0},
        // Other platform ids.
        {0, 6, 1, N, 0},
        {3, 5, 1, E, 0},
        {-1, 6, 0, N, 0},
    };
    for (const Case& c : cases) {
        const auto code =
            ComputePlatformCode(OsVersionRecord{c.platformId, c.major, c.minor}, c.wow64);
        ASSERT_TRUE(code.has_value()) << c.platformId << " " << c.major << "." << c.minor;
        EXPECT_EQ(*code, c.code) << c.platformId << " " << c.major << "." << c.minor;
    }
}

TEST(PlatformCode, FailedWow64QueryMattersOnlyWhereTheAnswerIsNeeded) {
    EXPECT_FALSE(ComputePlatformCode(OsVersionRecord{2, 5, 1}, Wow64Answer::QueryFailed));
    EXPECT_FALSE(ComputePlatformCode(OsVersionRecord{2, 6, 1}, Wow64Answer::QueryFailed));
}

TEST(PlatformCode, UnreadableVersionRecordGivesZero) {
    EXPECT_EQ(ComputePlatformCode(std::nullopt, Wow64Answer::QueryFailed), 0);
}

#ifndef _WIN32
TEST(PlatformCode, SystemsWithoutTheVersionRecordGetZeroAndTheNtStandIn) {
    EXPECT_FALSE(QueryOsVersionRecord().has_value());
    EXPECT_EQ(SystemPlatformCode(), 0);
    EXPECT_EQ(SystemPlatformId(), 2);
}
#endif

} // namespace
} // namespace zelt
