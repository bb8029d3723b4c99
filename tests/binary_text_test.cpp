#include <arith/binary_text.h>

#include <gtest/gtest.h>
#include <string>

namespace {

using arith::CBin;
using arith::CDecimal;

TEST(CBin, FillsToPrecisionAndNeverCuts) {
    const struct {
        std::int32_t nr;
        std::int16_t precision;
        const char* text;
    } cases[] = {
        {0, 8, "00000000"},
        {5, 8, "00000101"},
        {192, 8, "11000000"},
        {255, 8, "11111111"},
        {256, 8, "100000000"},
        {32767, 8, "111111111111111"},
        {5, 2, "101"},
        {0, 1, "0"},
        {1, 1, "1"},
        {-5, 8, "-00000101"},
        {-32768, 8, "-1000000000000000"},
        {INT32_MIN, 8, "-10000000000000000000000000000000"},
        {INT32_MAX, 8, "1111111111111111111111111111111"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CBin(c.nr, c.precision), c.text) << c.nr << ", " << c.precision;
    }
}

TEST(CDecimal, CountsOnlyOnesEveryOtherCharacterIsAZeroDigit) {
    const struct {
        std::u32string text;
        std::int32_t value;
    } cases[] = {
        {U"11000000", 192},
        {U"00000101", 5},
        {U"101", 5},
        {U"", 0},
        {U"1x1", 5},
        {U"2", 0},
        {U"1 ", 2},
        {U"1é1", 5},
        {U"1\U0001F600"
         U"1",
         5},         // one character outside the 16-bit plane is one place
        {U"１1", 1}, // a full-width one is not the character "1"
        {std::u32string(30, U'1'), 1073741823},
        {U"1" + std::u32string(29, U'0'), 536870912},
        {std::u32string(30, U'0'), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CDecimal(c.text), c.value) << c.text.size() << " characters";
    }
}

TEST(CDecimal, ThirtyOneCharactersOverflowWhateverTheyAre) {
    EXPECT_FALSE(CDecimal(std::u32string(31, U'0')).has_value());
    EXPECT_FALSE(CDecimal(std::u32string(31, U'1')).has_value());
    EXPECT_FALSE(CDecimal(std::u32string(1000, U'x')).has_value());
}

TEST(CDecimal, ReadsBackEveryOctetValueCBinWrites) {
    for (std::int32_t n = 0; n <= 32767; ++n) {
        const std::string digits = CBin(n, 8);
        ASSERT_EQ(CDecimal(std::u32string(digits.begin(), digits.end())), n);
    }
}

} // namespace
