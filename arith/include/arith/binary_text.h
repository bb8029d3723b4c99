// Whole numbers as binary digit text, most significant first, and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace arith {

// The binary digits of Nr, filled with "0" on the left to at least Precision characters and never
// cut. A negative Nr gives "-" followed by the digits of its magnitude, filled the same way.
std::string CBin(std::int32_t Nr, std::int16_t Precision);

// Reads a digit text: every "1" counts its place value, every other character is a zero digit in
// its place. A text of 31 or more characters does not fit 32-bit signed arithmetic and gives no
// value.
std::optional<std::int32_t> CDecimal(std::u32string_view Nr);

inline constexpr std::size_t kMaxBinaryDigits = 30;

} // namespace arith
