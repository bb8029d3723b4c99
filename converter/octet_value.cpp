#include "converter/octet_value.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace converter {

namespace {

bool IsIgnored(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n';
}
bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool IsSign(char32_t c) {
    return c == U'+' || c == U'-';
}

// The end of the run of digits that starts at from.
std::size_t DigitsEnd(std::u32string_view text, std::size_t from) {
    while (from < text.size() && IsDigit(text[from])) {
        ++from;
    }
    return from;
}

// Digit i of a digit text; the digits past its end are zeros.
int DigitAt(std::u32string_view digits, std::size_t i) {
    return i < digits.size() ? static_cast<int>(digits[i] - U'0') : 0;
}

// Past this an exponent makes every non-zero mantissa overflow or vanish; saturating keeps the
// arithmetic in range however many exponent digits are typed.
constexpr std::int64_t kExponentLimit = std::int64_t{1} << 50;

constexpr std::int64_t kMaxWholeDigits = 5; // as many as 32767 has

// An exponent counts only when digits follow the E and its sign; otherwise the number ends
// before the E, and the exponent is 0.
std::int64_t ReadExponent(std::u32string_view text, std::size_t at) {
    if (at >= text.size() || (text[at] != U'E' && text[at] != U'e')) {
        return 0;
    }
    std::size_t first = at + 1;
    const bool negative = first < text.size() && text[first] == U'-';
    if (first < text.size() && IsSign(text[first])) {
        ++first;
    }
    std::int64_t exponent = 0;
    const std::size_t end = DigitsEnd(text, first);
    for (std::size_t i = first; i < end; ++i) {
        exponent = std::min((exponent * 10) + DigitAt(text, i), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

} // namespace

// The part is read exactly, as its digits and a power of ten: in a double some texts, such as a
// half followed far behind by a non-zero digit, would round the wrong way.
std::optional<std::int16_t> ReadOctetValue(std::u32string_view part) {
    std::u32string text;
    std::ranges::remove_copy_if(part, std::back_inserter(text), IsIgnored);

    std::size_t digitsStart = 0;
    const bool negative = !text.empty() && text[0] == U'-';
    if (!text.empty() && IsSign(text[0])) {
        digitsStart = 1;
    }
    const std::size_t digitsEnd = DigitsEnd(text, digitsStart);
    std::u32string_view digits =
        std::u32string_view(text).substr(digitsStart, digitsEnd - digitsStart);
    const std::int64_t exponent = ReadExponent(text, digitsEnd);

    // The value is 0.d1 d2 d3 ... times 10^wholeDigits, with d1 the first significant digit.
    digits.remove_prefix(std::min(digits.find_first_not_of(U'0'), digits.size()));
    const std::int64_t wholeDigits = static_cast<std::int64_t>(digits.size()) + exponent;
    if (digits.empty() || wholeDigits < 0) {
        return 0;
    }
    if (wholeDigits > kMaxWholeDigits) {
        return std::nullopt;
    }

    const auto whole = static_cast<std::size_t>(wholeDigits);
    std::int32_t magnitude = 0;
    for (std::size_t i = 0; i < whole; ++i) {
        magnitude = (magnitude * 10) + DigitAt(digits, i);
    }
    // Round half to even.
    const int roundingDigit = DigitAt(digits, whole);
    const bool restNonZero =
        whole + 1 < digits.size() &&
        digits.substr(whole + 1).find_first_not_of(U'0') != std::u32string_view::npos;
    if (roundingDigit > 5 || (roundingDigit == 5 && (restNonZero || magnitude % 2 == 1))) {
        ++magnitude;
    }

    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace converter
