#include "arith/binary_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace arith {

std::string CBin(std::int32_t Nr, std::int16_t Precision) {
    // 64 bits so that the magnitude of -2^31 fits.
    std::uint64_t magnitude = Nr < 0 ? -static_cast<std::int64_t>(Nr) : Nr;

    char digits[32];
    std::size_t first = std::size(digits); // the digits fill the array from its end
    while (magnitude != 0) {
        digits[--first] = static_cast<char>('0' + (magnitude & 1U));
        magnitude >>= 1U;
    }
    const std::size_t digitCount = std::size(digits) - first;
    const auto minimumWidth = static_cast<std::size_t>(std::max<std::int16_t>(Precision, 1));
    const std::size_t width = std::max(digitCount, minimumWidth);

    std::string text;
    text.reserve(width + 1);
    if (Nr < 0) {
        text += '-';
    }
    text.append(width - digitCount, '0');
    text.append(&digits[first], digitCount);
    return text;
}

std::optional<std::int32_t> CDecimal(std::u32string_view Nr) {
    // Weight doubles after every character, the leftmost included: at the 31st character from the
    // right it would leave the 32-bit signed range.
    if (Nr.size() > kMaxBinaryDigits) {
        return std::nullopt;
    }
    std::int32_t sum = 0;
    std::int32_t weight = 1;
    for (std::size_t i = Nr.size(); i-- > 0;) {
        if (Nr[i] == U'1') {
            sum += weight;
        }
        weight *= 2;
    }
    return sum;
}

} // namespace arith
