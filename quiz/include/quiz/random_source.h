// Where every random number of the quiz comes from.
#pragma once

#include <cstdint>
#include <random>

namespace quiz {

class RandomSource {
public:
    RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    virtual ~RandomSource() = default;

    virtual void Seed(std::uint64_t seed) = 0;
    // A single-precision value u with 0 <= u < 1.
    virtual float Draw() = 0;
};

// The program's one pseudo-random sequence.
class PseudoRandomSource final : public RandomSource {
public:
    void Seed(std::uint64_t seed) override;
    float Draw() override;

private:
    std::mt19937 engine_;
};

} // namespace quiz
