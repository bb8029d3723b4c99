// A random source that hands out a fixed list of draws, so each question is known in advance.
#pragma once

#include <quiz/quiz_round.h>
#include <quiz/random_source.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string_view>
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

// A question posed from a fixed list of draws, and all that it must show. A verdict's colour
// follows from its text: green for "True", dark red for every other.
struct ScriptedQuestion {
    const char* name;
    std::vector<float> draws;
    const char* line;
    std::array<const char*, quiz::kOptionCount> options;
    std::array<const char*, quiz::kOptionCount> verdicts;
    std::size_t unusedDraws = 0; // left over where the question stops before they are drawn
};

using Generator = void (*)(quiz::QuizRound&, quiz::RandomSource&);

inline void ExpectPoses(Generator generate, std::string_view questionText,
                        const ScriptedQuestion& expected) {
    SCOPED_TRACE(expected.name);
    ScriptedSource source(expected.draws);
    quiz::QuizRound round;
    generate(round, source);
    EXPECT_EQ(source.Remaining(), expected.unusedDraws) << "draws left unused";
    EXPECT_EQ(round.questionText, questionText);
    EXPECT_EQ(round.questionLine, expected.line);
    for (std::size_t i = 0; i < quiz::kOptionCount; ++i) {
        const std::string_view verdict = expected.verdicts[i];
        EXPECT_EQ(round.options[i], expected.options[i]) << "option " << i;
        EXPECT_EQ(round.verdicts[i].text, verdict) << "option " << i;
        EXPECT_EQ(round.verdicts[i].colour, verdict == "True" ? quiz::kGreen : quiz::kDarkRed)
            << "option " << i;
        EXPECT_FALSE(round.verdicts[i].visible) << "option " << i;
    }
}

} // namespace testing_support
