#include "block_text.h"
#include "quiz/quiz.h"
#include "quiz/quiz_round.h"
#include "quiz/random_host.h"
#include "quiz/random_source.h"

#include <arith/address.h>

#include <cmath>
#include <cstddef>

namespace quiz {

using arith::Int;

void CountQuestion(QuizRound& round, RandomSource& source) {
    round.questionText = "How many IP addresses are contained in the range:";

    const arith::AddressValue host = RandomHost(source);
    // The power bends the choice toward long prefixes: n = 32 about 9 times in 100.
    const double n = Int(std::pow(static_cast<double>(source.Draw()), 0.33) * 33);
    round.questionLine = BlockText(arith::NetBase(host, n), n);

    // Option 0 stands for prefix length t, the others for t-1, t-2, t-3; one of them is n.
    double t = 0;
    do {
        t = (n + 3) - Int(source.Draw() * 4.0F);
    } while (t > 32);

    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const double v = t - static_cast<double>(i);
        double count = arith::PowerOfTwo(32 - v);
        if (v == n) {
            round.verdicts[i].Set(kTrue);
        } else if (const float u = source.Draw(); v < 31 && u > 0.7F) {
            // One and a half block sizes: no power of two.
            count += arith::PowerOfTwo(31 - v);
            round.verdicts[i].Set(kSilly);
        } else {
            round.verdicts[i].Set(kFalse);
        }
        round.options[i] = arith::WholeNumberText(count);
    }
}

} // namespace quiz
