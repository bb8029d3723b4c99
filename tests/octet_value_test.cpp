#include <converter/octet_value.h>

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using converter::ReadOctetValue;

TEST(ReadOctetValue, ReadsTheLongestLeadingNumberRoundingHalvesToEven) {
    const struct {
        std::u32string part;
        std::optional<std::int16_t> value;
    } cases[] = {
        {U"192", 192},
        {U"", 0},
        {U"x", 0},
        {U"abc12", 0},
        {U"12abc", 12},
        {U"1 2", 12},
        {U" \t1\n2 ", 12},
        {U"1E2", 100},
        {U"1e2", 100},
        {U"1 E +2", 100},
        {U"1E", 1},
        {U"1E+", 1},
        {U"1Ex2", 1},
        {U"-5", -5},
        {U"+5", 5},
        {U"-", 0},
        {U"--5", 0},
        {U"0005", 5},
        {U"5E-1", 0},  // 0.5 to the even 0
        {U"15E-1", 2}, // 1.5 to 2
        {U"25E-1", 2}, // 2.5 to 2
        {U"251E-2", 3},
        {U"-15E-1", -2},
        {U"-5E-1", 0},
        {U"5000000000000000000001E-22", 1}, // a hair above one half: no double would see it
        {U"32767", 32767},
        {U"-32768", -32768},
        {U"327674E-1", 32767},
        {U"327675E-1", std::nullopt}, // 32767.5 rounds to the even 32768
        {U"32768", std::nullopt},
        {U"-32769", std::nullopt},
        {U"1E5", std::nullopt},
        {U"1E999", std::nullopt},
        {U"1E99999999999999999999999", std::nullopt},
        {U"0E99999999999999999999999", 0},
        {U"1E-99999999999999999999999", 0},
        {U"\u00BD", 0}, // a vulgar half is no digit
        {U"\u0661", 0}, // nor an Arabic-Indic one
        {U"7\u00A0"
         U"1",
         7}, // a no-break space is not a blank
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOctetValue(c.part), c.value) << std::string(c.part.begin(), c.part.end());
    }
}

TEST(ReadOctetValue, LongDigitRunsAreReadExactly) {
    const std::u32string zeros(1'000'000, U'0');
    EXPECT_EQ(ReadOctetValue(zeros + U"42"), 42);
    EXPECT_EQ(ReadOctetValue(U"42" + zeros + U"E-1000000"), 42);
    EXPECT_EQ(ReadOctetValue(U"425" + zeros + U"E-1000001"), 42);  // exactly 42.5
    EXPECT_EQ(ReadOctetValue(U"425" + zeros + U"1E-1000002"), 43); // just above 42.5
    EXPECT_EQ(ReadOctetValue(U"1" + zeros), std::nullopt);
}

} // namespace
