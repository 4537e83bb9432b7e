#include "FaultPlan.h"

#include <gtest/gtest.h>

namespace zelt::kbsim {
namespace {

TEST(ParseFault, AcceptedForms) {
    struct Case {
        const char* text;
        FaultKind kind;
        int block;
        int times;
    };
    const Case cases[] = {
        {"read-fail:5", FaultKind::ReadFail, 5, 1},
        {"write-fail:0:3", FaultKind::WriteFail, 0, 3},
        {"bad-checksum:63:2", FaultKind::BadChecksum, 63, 2},
        {"no-ack:7:1000000", FaultKind::NoAck, 7, 1000000},
        {"driver-fail:1", FaultKind::DriverFail, 1, 1},
        {"driver-empty:2:2", FaultKind::DriverEmpty, 2, 2},
        {"status-fail:0", FaultKind::StatusFail, 0, 1},
        {"status-empty:0:4", FaultKind::StatusEmpty, 0, 4},
        {"disconnect:31", FaultKind::Disconnect, 31, 1},
        {"corrupt:4:2", FaultKind::Corrupt, 4, 2},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto fault = ParseFault(c.text, error);
        ASSERT_TRUE(fault.has_value()) << c.text << ": " << error;
        EXPECT_EQ(fault->kind, c.kind) << c.text;
        EXPECT_EQ(fault->block, c.block) << c.text;
        EXPECT_EQ(fault->times, c.times) << c.text;
        EXPECT_EQ(std::string(c.text).rfind(std::string(FaultKindName(c.kind)) + ":", 0), 0u);
    }
}

TEST(ParseFault, RefusedFormsSayWhy) {
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"", "KIND:BLOCK"},           {"read-fail", "KIND:BLOCK"},
        {"reed-fail:1", "unknown"},   {"read-fail:", "BLOCK"},
        {"read-fail:64", "BLOCK"},    {"read-fail:-1", "BLOCK"},
        {"read-fail:x", "BLOCK"},     {"read-fail:1:0", "TIMES"},
        {"read-fail:1:", "TIMES"},    {"read-fail:1:1000001", "TIMES"},
        {"read-fail:1:2:3", "TIMES"}, {"READ-FAIL:1", "unknown"},
        {"read-fail: 1", "BLOCK"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseFault(c.text, error).has_value()) << c.text;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.text << " -> " << error;
    }
}

TEST(FaultPlan, CountsDownPerKindAndBlock) {
    FaultPlan plan;
    plan.Add({FaultKind::ReadFail, 5, 2});
    plan.Add({FaultKind::StatusFail, 9, 1});
    EXPECT_FALSE(plan.Take(FaultKind::ReadFail, 4));
    EXPECT_FALSE(plan.Take(FaultKind::WriteFail, 5));
    EXPECT_TRUE(plan.Take(FaultKind::ReadFail, 5));
    EXPECT_TRUE(plan.Take(FaultKind::ReadFail, 5));
    EXPECT_FALSE(plan.Take(FaultKind::ReadFail, 5));
    EXPECT_FALSE(plan.Empty());
    EXPECT_TRUE(plan.Take(FaultKind::StatusFail, 0)); // status faults ignore the block
    EXPECT_FALSE(plan.Take(FaultKind::StatusFail, 9));
    EXPECT_TRUE(plan.Empty());
}

} // namespace
} // namespace zelt::kbsim
