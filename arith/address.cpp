#include "arith/address.h"

#include <charconv>
#include <cstdint>

namespace arith {

std::string WholeNumberText(double x) {
    char digits[24];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(x)).ptr;
    return {digits, end};
}

std::string CDotted(AddressValue x) {
    const double g1 = Int(x / 256 / 256 / 256);
    double r = x - g1 * 256 * 256 * 256;
    const double g2 = Int(r / 256 / 256);
    r -= g2 * 256 * 256;
    const double g3 = Int(r / 256);
    r -= g3 * 256;
    const double g4 = Int(r);

    std::string text;
    text.reserve(15);
    text += WholeNumberText(g1);
    text += '.';
    text += WholeNumberText(g2);
    text += '.';
    text += WholeNumberText(g3);
    text += '.';
    text += WholeNumberText(g4);
    return text;
}

AddressValue NetBase(AddressValue x, PrefixLength n) {
    const double blockSize = std::exp2(32 - n);
    const double k = Int(x / blockSize);
    // The 0.01 guards the product against landing a hair below a whole number.
    return Int(blockSize * k + 0.01);
}

} // namespace arith
