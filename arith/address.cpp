#include "arith/address.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <string>

namespace arith {

std::string WholeNumberText(double x) {
    assert(x >= 0 && x <= 0x1p53 && x == Int(x));
    std::array<char, 20> digits{}; // enough for any 64-bit whole number
    char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<std::uint64_t>(x))
            .ptr;
    return {digits.data(), end};
}

std::string CDotted(AddressValue x) {
    assert(x >= 0 && x <= 4294967295.0 && x == Int(x));
    const auto value = static_cast<std::uint32_t>(x);
    const std::uint32_t groups[] = {value / 256 / 256 / 256, value / 256 / 256 % 256,
                                    value / 256 % 256, value % 256};

    std::array<char, 16> text{}; // room for "255.255.255.255"
    char* end = text.data();
    for (const std::uint32_t group : groups) {
        if (end != text.data()) {
            *end++ = '.';
        }
        end = std::to_chars(end, text.data() + text.size(), group).ptr;
    }
    return {text.data(), end};
}

AddressValue NetBase(AddressValue x, PrefixLength n) {
    const double blockSize = PowerOfTwo(32 - n);
    const double k = Int(x / blockSize);
    // The 0.01 guards the product against landing a hair below a whole number.
    return Int((blockSize * k) + 0.01);
}

} // namespace arith
