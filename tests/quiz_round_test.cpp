#include "scripted_source.h"

#include <quiz/quiz.h>

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

using namespace testing_support;

std::vector<float> MatchDraws() {
    return Concat({HostDraws(Address(10, 1, 2, 3)), {0.5F}, {0.5F, 0.5F, 0.5F, 0.5F}});
}

TEST(QuizRound, StartUpSeedsOnceAndPosesAMatchingQuestion) {
    ScriptedSource source(MatchDraws());
    quiz::QuizRound round;
    round.verdicts[1].visible = true;
    quiz::StartUp(round, source);
    EXPECT_EQ(source.SeedCount(), 1);
    EXPECT_EQ(source.Remaining(), 0U);
    EXPECT_EQ(round.questionText, "Which of these IP addresses matches:");
    for (const auto& verdict : round.verdicts) {
        EXPECT_FALSE(verdict.visible);
    }
}

TEST(QuizRound, RevealShowsOneVerdictUntilTheNextQuestion) {
    // Each index from one below the first verdict to one past the last.
    for (std::int16_t index = -1; index <= 4; ++index) {
        SCOPED_TRACE(index);
        ScriptedSource source(Concat({MatchDraws(), MatchDraws()}));
        quiz::QuizRound round;
        quiz::NewQuestion(round, source, quiz::kMatchingAddress);

        quiz::RevealVerdict(round, index);
        quiz::RevealVerdict(round, index);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(round.verdicts[i].visible, static_cast<int>(i) == index) << i;
        }

        quiz::NewQuestion(round, source, quiz::kMatchingAddress);
        for (const auto& verdict : round.verdicts) {
            EXPECT_FALSE(verdict.visible);
        }
    }
}

TEST(QuizRound, AnUnknownQuestionIndexOnlyHidesTheVerdicts) {
    ScriptedSource source({});
    quiz::QuizRound round;
    round.questionText = "unchanged";
    round.verdicts[0].visible = true;
    quiz::NewQuestion(round, source, 3);
    quiz::NewQuestion(round, source, -1);
    EXPECT_EQ(round.questionText, "unchanged");
    EXPECT_FALSE(round.verdicts[0].visible);
}

} // namespace
