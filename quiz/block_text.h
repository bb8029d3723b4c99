#pragma once

#include <arith/address.h>

#include <string>

namespace quiz {

// "a.b.c.d/n": a block as the learner sees it.
inline std::string BlockText(arith::AddressValue start, arith::PrefixLength n) {
    std::string text = arith::CDotted(start);
    text += '/';
    text += arith::WholeNumberText(n);
    return text;
}

} // namespace quiz
