#include "quiz/random_host.h"

#include "quiz/random_source.h"

#include <arith/address.h>

#include <cstdint>

namespace quiz {

using arith::Int;

arith::AddressValue RandomHost(RandomSource& source) {
    // Starting out of range makes the first test fail, so at least one pair is drawn.
    double x = 4294967296.0;
    std::int32_t firstGroup = 0;
    // Drawn again while above 223.255.255.255 or in 0.0.0.0/8, 127.0.0.0/8 or 192.0.0.0/2.
    while (x > 3758096383.0 || firstGroup == 0 || firstGroup == 127 || firstGroup > 191) {
        const float high = source.Draw();
        const float low = source.Draw();
        // high gives the upper bits, low the lower 16.
        x = Int((high * 256.0 * 256.0 + low) * 256.0 * 256.0);
        firstGroup = static_cast<std::int32_t>(Int(x / 256 / 256 / 256));
    }
    return x;
}

} // namespace quiz
