#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace converter {

// Reads one part of a dotted-decimal text leniently. Blanks, tabs and line feeds are ignored
// wherever they stand; the value is that of the longest leading piece that forms a decimal number
// (optional sign, digits, optional exponent: E or e, optional sign, digits), and a part without
// one reads as 0. The value is rounded to the nearest whole number, halves to even. Gives no value
// when the result lies outside -32768 to 32767.
std::optional<std::int16_t> ReadOctetValue(std::u32string_view part);

} // namespace converter
