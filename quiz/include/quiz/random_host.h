#pragma once

#include "quiz/random_source.h"

#include <arith/address.h>

namespace quiz {

// A random address whose first group is 1 to 126 or 128 to 191.
arith::AddressValue RandomHost(RandomSource& source);

} // namespace quiz
