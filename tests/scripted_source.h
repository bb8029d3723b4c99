// A random source that hands out a fixed list of draws, so each question is known in advance.
#pragma once

#include <quiz/random_source.h>

#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testing_support {

class ScriptedSource final : public quiz::RandomSource {
public:
    explicit ScriptedSource(std::vector<float> draws) : draws_(std::move(draws)) {}

    void Seed(std::uint64_t /*seed*/) override { ++seedCount_; }

    float Draw() override {
        if (next_ == draws_.size()) {
            ADD_FAILURE() << "the quiz drew more than the " << draws_.size() << " scripted draws";
            throw std::out_of_range("script exhausted");
        }
        return draws_[next_++];
    }

    [[nodiscard]] std::size_t Remaining() const { return draws_.size() - next_; }
    [[nodiscard]] int SeedCount() const { return seedCount_; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
    int seedCount_ = 0;
};

// The two draws after which RandomHost yields address: the high 16 bits, then the low 16.
inline std::vector<float> HostDraws(std::uint32_t address) {
    return {static_cast<float>(address >> 16U) / 65536.0F,
            static_cast<float>(address & 0xFFFFU) / 65536.0F};
}

inline std::vector<float> Concat(std::initializer_list<std::vector<float>> pieces) {
    std::vector<float> all;
    for (const auto& piece : pieces) {
        all.insert(all.end(), piece.begin(), piece.end());
    }
    return all;
}

inline std::uint32_t Address(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return (a << 24U) | (b << 16U) | (c << 8U) | d;
}

// The largest float below 1.
inline constexpr float kAlmostOne = 1.0F - 0x1p-24F;

} // namespace testing_support
