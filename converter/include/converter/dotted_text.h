// Whole dotted texts converted part by part. A part is what stands between two dots, or before
// the first or after the last; the empty text has no parts at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace converter {

// "11000000.10101000.00000000.00000001" -> "192.168.0.1". No value for an empty text, which has
// no part to convert, nor for a part of more than 30 characters.
std::optional<std::u32string> BinaryToDecimal(std::u32string_view binary);

// "192.168.0.1" -> "11000000.10101000.00000000.00000001", eight digits at least per part; the
// empty text gives "00000000". No value for more than 11 parts, nor for a part whose value lies
// outside -32768 to 32767.
std::optional<std::u32string> DecimalToBinary(std::u32string_view decimal);

inline constexpr std::size_t kMaxDecimalParts = 11;

} // namespace converter
