// IPv4 addresses as whole numbers in double precision, and their dotted-decimal text.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace arith {

// a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d, 0 to 4294967295. Every value the quiz makes is a
// whole number, exact in a double.
using AddressValue = double;

// Leading network bits of a block: a whole number, 0 to 32 in the quiz.
using PrefixLength = double;

// The greatest whole number not above x: Int(-0.25) is -1. The same as std::floor, without a
// library call on processors that lack a rounding instruction (a question takes some 70).
inline double Int(double x) {
    if (!(std::fabs(x) < 0x1p52)) {
        return x; // already whole, infinite or NaN
    }
    const auto truncated = static_cast<double>(static_cast<std::int64_t>(x));
    return truncated > x ? truncated - 1 : truncated;
}

// 2^e for a whole number e, exactly: built from its exponent bits where a double holds it
// without subnormals, which covers every block and count the quiz uses.
inline double PowerOfTwo(double e) {
    const auto exponent = static_cast<int>(e);
    if (exponent < -1022 || exponent > 1023) {
        return std::ldexp(1.0, exponent);
    }
    return std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52U);
}

// "a.b.c.d", each group as plain decimal digits.
std::string CDotted(AddressValue x);

// The first address of the block of prefix length n that holds x.
AddressValue NetBase(AddressValue x, PrefixLength n);

// Plain decimal digits of a whole number from 0 to 2^53: no sign, separator or exponent.
std::string WholeNumberText(double x);

} // namespace arith
