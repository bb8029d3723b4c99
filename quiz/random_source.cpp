#include "quiz/random_source.h"

#include <cstdint>
#include <random>

namespace quiz {

void PseudoRandomSource::Seed(std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32U)};
    engine_.seed(sequence);
}

float PseudoRandomSource::Draw() {
    // k * 2^-24 for k uniform in 0 .. 2^24-1: every value a float can hold just below 1, and never
    // 1 itself (std::generate_canonical<float> can round up to 1.0f).
    constexpr float kStep = 0x1p-24F;
    return static_cast<float>(engine_() >> 8U) * kStep;
}

} // namespace quiz
