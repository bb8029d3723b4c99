// What the window's quiz events do to the question on screen.
#pragma once

#include "quiz/quiz_round.h"
#include "quiz/random_source.h"

#include <cstdint>

namespace quiz {

enum QuestionType : std::uint8_t { kMatchingAddress = 0, kIncludingRange = 1, kAddressCount = 2 };

// Seeds the source from the clock and poses a matching-address question.
void StartUp(QuizRound& round, RandomSource& source);

// Hides every verdict and poses a question of the given type; any other index poses nothing.
void NewQuestion(QuizRound& round, RandomSource& source, std::int16_t index);

// Shows verdict index; an index outside 0 to 3 changes nothing.
void RevealVerdict(QuizRound& round, std::int16_t index);

// The generators behind NewQuestion. Each sets the question text and line, every option and
// every verdict's text and colour, and leaves the verdicts hidden.
void MatchQuestion(QuizRound& round, RandomSource& source);
void RangeQuestion(QuizRound& round, RandomSource& source);
void CountQuestion(QuizRound& round, RandomSource& source);

} // namespace quiz
