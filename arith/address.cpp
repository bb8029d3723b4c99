#include "arith/address.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace arith {

namespace {

constexpr std::size_t kMaxDigits = 20; // of a 64-bit whole number

char* WriteWholeNumber(char* out, double x) {
    return std::to_chars(out, out + kMaxDigits, static_cast<std::uint64_t>(x)).ptr;
}

} // namespace

std::string WholeNumberText(double x) {
    std::array<char, kMaxDigits> digits{};
    return {digits.data(), WriteWholeNumber(digits.data(), x)};
}

std::string CDotted(AddressValue x) {
    // For a whole number from 0 to 2^32 - 1, dividing by 256 and rounding down is a shift by 8.
    const auto value = static_cast<std::uint64_t>(x);
    const std::uint64_t groups[] = {value >> 24U, (value >> 16U) & 0xFFU, (value >> 8U) & 0xFFU,
                                    value & 0xFFU};

    std::array<char, 4 * (kMaxDigits + 1)> text{};
    char* end = text.data();
    for (const std::uint64_t group : groups) {
        if (end != text.data()) {
            *end++ = '.';
        }
        end = std::to_chars(end, end + kMaxDigits, group).ptr;
    }
    return {text.data(), end};
}

AddressValue NetBase(AddressValue x, PrefixLength n) {
    const double blockSize = PowerOfTwo(32 - n);
    // Multiplying by the reciprocal of a power of two is exactly dividing by it, and cheaper.
    const double k = Int(x * PowerOfTwo(n - 32));
    // The 0.01 guards the product against landing a hair below a whole number.
    return Int(blockSize * k + 0.01);
}

} // namespace arith
