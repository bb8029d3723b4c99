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

void MatchQuestion(QuizRound& round, RandomSource& source) {
    round.questionText = "Which of these IP addresses matches:";

    const arith::AddressValue host = RandomHost(source);
    const double n = Int(source.Draw() * 23.0) + 8; // 8 to 30
    const double start = arith::NetBase(host, n);
    const double end = start + arith::PowerOfTwo(32 - n) - 1;
    round.questionLine = BlockText(start, n);

    // Four options spread evenly over three block widths around the block, drawn again all four
    // until at least one lies inside.
    std::array<double, kOptionCount> values{};
    std::int16_t rightCount = 0;
    while (rightCount < 1) {
        for (double& value : values) {
            const float u = source.Draw();
            const double middle = (2 * start + end) / 3;
            const double offset = ((u - 0.5) * 3) * (end - start);
            value = std::max(Int(middle + offset), 0.0);
        }
        rightCount = 0;
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            if (values[i] >= start && values[i] <= end) {
                ++rightCount;
                round.verdicts[i].Set(kTrue);
            } else if (values[i] > end) {
                round.verdicts[i].Set(kTooBig);
            } else {
                round.verdicts[i].Set(kTooSmall);
            }
        }
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        round.options[i] = arith::CDotted(values[i]);
    }
}

} // namespace quiz
