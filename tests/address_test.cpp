#include "scripted_source.h"

#include <arith/address.h>
#include <quiz/random_host.h>

#include <cmath>
#include <gtest/gtest.h>

namespace {

using arith::CDotted;
using arith::NetBase;
using testing_support::Address;

TEST(Int, RoundsTowardMinusInfinity) {
    EXPECT_EQ(arith::Int(-0.25), -1);
    EXPECT_EQ(arith::Int(2.99), 2);
    EXPECT_EQ(arith::Int(-3), -3);
    EXPECT_EQ(arith::Int(-0.0), 0);
    EXPECT_EQ(arith::Int(4294967295.999), 4294967295);
    EXPECT_EQ(arith::Int(-4294967296.5), -4294967297);
    EXPECT_EQ(arith::Int(0x1p60 + 0x1p9), 0x1p60 + 0x1p9);
    EXPECT_EQ(arith::Int(-0x1p52 - 1), -0x1p52 - 1);
}

TEST(CDotted, WritesFourPlainDecimalGroups) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0.0.0.0"},
        {16777216, "1.0.0.0"},
        {127 * 16777216 + 1, "127.0.0.1"},
        {Address(192, 168, 0, 1), "192.168.0.1"},
        {Address(10, 0, 255, 7), "10.0.255.7"},
        {4294967295, "255.255.255.255"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CDotted(static_cast<double>(c.value)), c.text) << c.value;
    }
}

TEST(NetBase, FindsTheStartOfTheHoldingBlock) {
    const struct {
        std::int64_t value;
        int n;
        std::int64_t start;
    } cases[] = {
        {Address(192, 168, 1, 1), 24, Address(192, 168, 1, 0)},
        {Address(192, 168, 1, 1), 32, Address(192, 168, 1, 1)},
        {Address(192, 168, 1, 1), 0, 0},
        {4294967295, 0, 0},
        {4294967295, 1, Address(128, 0, 0, 0)},
        {4294967295, 32, 4294967295},
        {Address(172, 16, 7, 255), 22, Address(172, 16, 4, 0)},
        {Address(10, 1, 2, 3), 9, Address(10, 0, 0, 0)},
        {Address(10, 255, 2, 3), 9, Address(10, 128, 0, 0)},
        // Values outside the address space, as the range question's shifted blocks produce.
        {-4294967296, 0, -4294967296},
        {4294967296, 0, 4294967296},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NetBase(static_cast<double>(c.value), c.n), static_cast<double>(c.start))
            << c.value << "/" << c.n;
    }
}

TEST(RandomHost, DrawsAgainUntilTheFirstGroupIsAHostGroup) {
    using testing_support::HostDraws;
    using testing_support::ScriptedSource;
    // Rejected in turn: 0.x, 127.x, 192.x, 255.x; then 191.255.255.255 is taken.
    ScriptedSource source(testing_support::Concat({
        HostDraws(Address(0, 200, 1, 1)),
        HostDraws(Address(127, 0, 0, 1)),
        HostDraws(Address(192, 0, 0, 0)),
        HostDraws(Address(255, 255, 255, 255)),
        HostDraws(Address(191, 255, 255, 255)),
    }));
    EXPECT_EQ(quiz::RandomHost(source), Address(191, 255, 255, 255));
    EXPECT_EQ(source.Remaining(), 0U);

    for (const std::uint32_t host :
         {Address(1, 0, 0, 0), Address(126, 255, 255, 255), Address(128, 0, 0, 0)}) {
        ScriptedSource single(HostDraws(host));
        EXPECT_EQ(quiz::RandomHost(single), host);
    }
}

TEST(RandomHost, RejectsDrawsThatPassTheTopOfTheAddressSpace) {
    // u2 adds up to 65535 on top of u1's high part, so the largest draws reach past 2^32.
    testing_support::ScriptedSource source(
        {testing_support::kAlmostOne, testing_support::kAlmostOne, 0.5F, 0.0F});
    EXPECT_EQ(quiz::RandomHost(source), Address(128, 0, 0, 0));
    EXPECT_EQ(source.Remaining(), 0U);
}

} // namespace
