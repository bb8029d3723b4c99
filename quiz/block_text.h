#pragma once

#include <arith/address.h>

#include <string>

namespace quiz {

// "a.b.c.d/n": a block as the learner sees it. Written over text so that its buffer is reused.
inline void WriteBlockText(std::string& text, arith::AddressValue start, arith::PrefixLength n) {
    text = arith::CDotted(start);
    text += '/';
    text += arith::WholeNumberText(n);
}

} // namespace quiz
