#include "support/fake_row.h"

#include <converter/convert_row.h>

#include <gtest/gtest.h>
#include <string>

namespace {

using converter::ConvertRow;

using testing_support::FakeRow;

std::string Narrow(const std::u32string& text) {
    std::string narrow;
    for (const char32_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

TEST(ConvertRow, DecimalToBinary) {
    const struct {
        std::u32string decimal;
        std::u32string binary;
    } cases[] = {
        {U"192.168.0.1", U"11000000.10101000.00000000.00000001"},
        {U"255.255.255.255", U"11111111.11111111.11111111.11111111"},
        {U"300.1", U"100101100.00000001"},
        {U"32767", U"111111111111111"},
        {U"", U"00000000"},
        {U"1..2", U"00000001.00000000.00000010"},
        {U"5.", U"00000101.00000000"},
        {U".5", U"00000000.00000101"},
        {U".", U"00000000.00000000"},
        {U"10.x.7", U"00001010.00000000.00000111"},
        {U"12abc", U"00001100"},
        {U"1E2", U"01100100"},
        {U"1 2", U"00001100"},
        {U"-5", U"-00000101"},
        {U"1.2.3.4.5.6.7.8.9.10.255",
         U"00000001.00000010.00000011.00000100.00000101.00000110.00000111.00001000.00001001."
         U"00001010.11111111"},
    };
    for (const auto& c : cases) {
        FakeRow row(c.decimal, U"old");
        row.Push(converter::kToBinary);
        EXPECT_EQ(Narrow(row.binary()), Narrow(c.binary)) << Narrow(c.decimal);
        EXPECT_EQ(row.decimal(), c.decimal);
        EXPECT_EQ(row.BarValue(), converter::kResting);
    }
}

TEST(ConvertRow, BinaryToDecimal) {
    const struct {
        std::u32string binary;
        std::u32string decimal;
    } cases[] = {
        {U"11000000.10101000.00000000.00000001", U"192.168.0.1"},
        {U"00000000.00000000.00000000.00000000", U"0.0.0.0"},
        {U"1.10.11", U"1.2.3"},
        {U"111111111", U"511"},
        {U"1..1", U"1.0.1"},
        {U"abc", U"0"},
        {U"1.", U"1.0"},
        {U".", U"0.0"},
        {U"1é1.1\U0001F600", U"5.2"},
        {std::u32string(30, U'1'), U"1073741823"},
    };
    for (const auto& c : cases) {
        FakeRow row(U"old", c.binary);
        row.Push(converter::kToDecimal);
        EXPECT_EQ(Narrow(row.decimal()), Narrow(c.decimal)) << Narrow(c.binary);
        EXPECT_EQ(row.binary(), c.binary);
        EXPECT_EQ(row.BarValue(), converter::kResting);
    }
}

TEST(ConvertRow, InputWithoutAnAnswerLeavesBothBoxesAsTheyWere) {
    const struct {
        const char* why;
        std::u32string decimal;
        std::u32string binary;
        int push;
    } cases[] = {
        {"empty binary box", U"1.2.3.4", U"", converter::kToDecimal},
        {"31-character binary part", U"1.2", U"1." + std::u32string(31, U'0'),
         converter::kToDecimal},
        {"twelve decimal parts", U"1.2.3.4.5.6.7.8.9.10.11.12", U"101", converter::kToBinary},
        {"twelve empty decimal parts", U"...........", U"101", converter::kToBinary},
        {"32768", U"1.32768", U"101", converter::kToBinary},
        {"-32769", U"-32769.1", U"101", converter::kToBinary},
        {"1E999", U"1E999", U"101", converter::kToBinary},
    };
    for (const auto& c : cases) {
        FakeRow row(c.decimal, c.binary);
        row.Push(c.push);
        EXPECT_EQ(row.decimal(), c.decimal) << c.why;
        EXPECT_EQ(row.binary(), c.binary) << c.why;
        EXPECT_EQ(row.writes, 0) << c.why;
        EXPECT_EQ(row.BarValue(), converter::kResting) << c.why;
    }
}

TEST(ConvertRow, ReturningTheBarToRestConvertsNothingMore) {
    FakeRow row(U"192.168.0.1", U"1.1");
    row.Push(converter::kToBinary);
    // The push and the return to rest are reported; the second report converts nothing.
    EXPECT_EQ(row.conversions, 2);
    EXPECT_EQ(row.writes, 1);

    // At rest, ConvertRow changes nothing.
    ConvertRow(row);
    EXPECT_EQ(row.writes, 1);

    // The bar is back at rest, so the same push converts again after an edit.
    row.SetDecimalText(U"10.0.0.1");
    row.Push(converter::kToBinary);
    EXPECT_EQ(Narrow(row.binary()), "00001010.00000000.00000000.00000001");
}

} // namespace
