#include "quiz/quiz.h"

#include "quiz/quiz_round.h"
#include "quiz/random_source.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace quiz {

void StartUp(QuizRound& round, RandomSource& source) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    source.Seed(static_cast<std::uint64_t>(std::chrono::nanoseconds(now).count()));
    NewQuestion(round, source, kMatchingAddress);
}

void NewQuestion(QuizRound& round, RandomSource& source, std::int16_t index) {
    for (Verdict& verdict : round.verdicts) {
        verdict.visible = false;
    }
    switch (index) {
    case kMatchingAddress:
        MatchQuestion(round, source);
        break;
    case kIncludingRange:
        RangeQuestion(round, source);
        break;
    case kAddressCount:
        CountQuestion(round, source);
        break;
    default:
        break;
    }
}

void RevealVerdict(QuizRound& round, std::int16_t index) {
    if (index >= 0 && static_cast<std::size_t>(index) < round.verdicts.size()) {
        round.verdicts[static_cast<std::size_t>(index)].visible = true;
    }
}

} // namespace quiz
