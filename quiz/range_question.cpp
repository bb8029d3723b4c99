#include "block_text.h"
#include "quiz/quiz.h"
#include "quiz/quiz_round.h"
#include "quiz/random_host.h"
#include "quiz/random_source.h"

#include <arith/address.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace quiz {

using arith::Int;

namespace {

constexpr int kMaxAttempts = 100;
constexpr double kTopAddress = 4294967295.0;

struct RangeOption {
    double n = 0;         // prefix length, 0 to 29
    double hostBlock = 0; // first address of the block of length n that holds the host
    double start = 0;     // first address of the offered block, -2^32 to 2^32 before clamping
};

// The block of length n that holds the host, left in place or moved one block down or up.
RangeOption MakeOption(arith::AddressValue host, RandomSource& source) {
    RangeOption option;
    option.n = Int(source.Draw() * 30.0);
    option.hostBlock = arith::NetBase(host, option.n);
    float shift = static_cast<float>(Int(source.Draw() * 4.0F)) - 1; // -1, 0, 1 or 2
    shift = std::min(shift, 1.0F);
    option.start =
        std::clamp(option.hostBlock + (shift * arith::PowerOfTwo(32 - option.n)), 0.0, kTopAddress);
    return option;
}

bool PrefixLengthsRepeat(const std::array<RangeOption, kOptionCount>& options) {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        for (std::size_t j = i + 1; j < kOptionCount; ++j) {
            if (options[i].n == options[j].n) {
                return true;
            }
        }
    }
    return false;
}

// Moving the topmost block up is clamped to 255.255.255.255, which lands back in that block.
bool RunsPastTop(const std::array<RangeOption, kOptionCount>& options) {
    return std::ranges::any_of(
        options, [](const RangeOption& option) { return option.start == kTopAddress; });
}

} // namespace

void RangeQuestion(QuizRound& round, RandomSource& source) {
    round.questionText = "Which of these ranges includes:";
    const arith::AddressValue host = RandomHost(source);
    round.questionLine = arith::CDotted(host);

    std::array<RangeOption, kOptionCount> options;
    std::int16_t correctCount = 0;
    int attempts = 0;
    while (attempts < kMaxAttempts && correctCount < 1) {
        ++attempts;
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            RangeOption& option = options[i];
            option = MakeOption(host, source);
            if (arith::NetBase(option.start, option.n) == option.hostBlock) {
                round.verdicts[i].Set(kTrue);
                ++correctCount;
            } else {
                round.verdicts[i].Set(option.start > host ? kTooHigh : kTooLow);
            }
        }
        if (PrefixLengthsRepeat(options) || RunsPastTop(options)) {
            correctCount = 0;
        }
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        round.options[i] = BlockText(options[i].start, options[i].n);
    }
}

} // namespace quiz
