// IPv4 addresses as whole numbers in double precision, and their dotted-decimal text.
#pragma once

#include <cassert>
#include <cmath>
#include <string>

namespace arith {

// a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d, 0 to 4294967295. Every value the quiz makes is a
// whole number, exact in a double.
using AddressValue = double;

// Leading network bits of a block: a whole number, 0 to 32 in the quiz.
using PrefixLength = double;

// The greatest whole number not above x: Int(-0.25) is -1.
inline double Int(double x) {
    return std::floor(x);
}

// 2^e for a whole number e, such as the 2^(32 - n) addresses of a block of prefix length n.
inline double PowerOfTwo(double e) {
    assert(e == Int(e) && std::fabs(e) <= 1023);
    return std::ldexp(1.0, static_cast<int>(e));
}

// "a.b.c.d", each group as plain decimal digits, for a whole number from 0 to 4294967295.
std::string CDotted(AddressValue x);

// The first address of the block of prefix length n that holds x.
AddressValue NetBase(AddressValue x, PrefixLength n);

// Plain decimal digits of a whole number from 0 to 2^53: no sign, separator or exponent.
std::string WholeNumberText(double x);

} // namespace arith
