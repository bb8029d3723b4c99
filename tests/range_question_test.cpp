#include "scripted_source.h"

#include <quiz/quiz.h>

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace testing_support;

float LengthDraw(int n) {
    return (static_cast<float>(n) + 0.5F) / 30.0F;
}

// Shift -1, 0 or +1; 0.875 draws a 2, which counts as +1.
std::vector<float> Option(int n, int shift) {
    return {LengthDraw(n), (static_cast<float>(shift + 1) + 0.5F) / 4.0F};
}

struct Expected {
    std::string option;
    std::string verdict;
};

quiz::QuizRound Pose(const std::vector<float>& draws, std::size_t expectedLeft = 0) {
    ScriptedSource source(draws);
    quiz::QuizRound round;
    quiz::RangeQuestion(round, source);
    EXPECT_EQ(source.Remaining(), expectedLeft);
    return round;
}

void ExpectOptions(const quiz::QuizRound& round, const std::array<Expected, 4>& expected) {
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(round.options[i], expected[i].option) << "option " << i;
        EXPECT_EQ(round.verdicts[i].text, expected[i].verdict) << "option " << i;
        EXPECT_EQ(round.verdicts[i].colour,
                  expected[i].verdict == "True" ? quiz::kGreen : quiz::kDarkRed);
    }
}

TEST(RangeQuestion, RejectsRepeatedLengthsAndTheTopAddressThenShowsTheAcceptedAttempt) {
    const auto round = Pose(Concat({
        HostDraws(Address(10, 1, 2, 3)),
        // Two options of length 8: rejected though it has "True" options.
        Option(8, 0),
        Option(8, 1),
        Option(9, 0),
        Option(16, 0),
        // /0 moved up reaches 2^32 and is held at 4294967295: rejected.
        Option(0, 1),
        Option(8, 0),
        Option(9, 0),
        Option(16, 0),
        Option(8, -1),
        Option(9, 0),
        Option(16, 1),
        Option(0, -1),
    }));
    EXPECT_EQ(round.questionText, "Which of these ranges includes:");
    EXPECT_EQ(round.questionLine, "10.1.2.3");
    ExpectOptions(round, {{{"9.0.0.0/8", "Too Low"},
                           {"10.0.0.0/9", "True"},
                           {"10.2.0.0/16", "Too High"},
                           {"0.0.0.0/0", "True"}}});
}

TEST(RangeQuestion, ShiftsAtTheEdgesOfTheAddressSpace) {
    // 130.5.6.7 at /1: down is 0.0.0.0/1; a draw of 2 counts as +1.
    auto round = Pose(Concat({HostDraws(Address(130, 5, 6, 7)),
                              Option(1, -1),
                              Option(1 + 1, 0),
                              Option(3, 0),
                              {LengthDraw(4), 0.875F}}));
    ExpectOptions(round, {{{"0.0.0.0/1", "Too Low"},
                           {"128.0.0.0/2", "True"},
                           {"128.0.0.0/3", "True"},
                           {"144.0.0.0/4", "Too High"}}});

    // The lowest block moved down is held at 0: the same block, so "True".
    round = Pose(Concat({HostDraws(Address(5, 6, 7, 8)), Option(4, -1), Option(0, 0),
                         Option(29, -1), Option(28, 1)}));
    ExpectOptions(round, {{{"0.0.0.0/4", "True"},
                           {"0.0.0.0/0", "True"},
                           {"5.6.7.0/29", "Too Low"},
                           {"5.6.7.16/28", "Too High"}}});
}

TEST(RangeQuestion, ATopBlockMovedUpRejectsTheAttempt) {
    // 130.5.6.7/1 moved up, then an otherwise acceptable attempt.
    const auto round =
        Pose(Concat({HostDraws(Address(130, 5, 6, 7)), Option(1, 1), Option(2, 0), Option(3, 0),
                     Option(4, 0), Option(1, 0), Option(2, 0), Option(3, 0), Option(4, 0)}));
    EXPECT_EQ(round.options[0], "128.0.0.0/1");
    EXPECT_EQ(round.verdicts[0].text, "True");
}

TEST(RangeQuestion, GivesUpAfterOneHundredAttemptsAndShowsTheLast) {
    std::vector<float> draws = HostDraws(Address(10, 1, 2, 3));
    for (int attempt = 0; attempt < 99; ++attempt) {
        for (int i = 0; i < 4; ++i) {
            const auto option = Option(8, 0);
            draws.insert(draws.end(), option.begin(), option.end());
        }
    }
    const auto last = Concat({Option(0, 1), Option(0, 1), Option(5, 1), Option(6, 1)});
    draws.insert(draws.end(), last.begin(), last.end());
    // A 101st attempt would draw these.
    const auto spare = Concat({Option(1, 0), Option(2, 0), Option(3, 0), Option(4, 0)});
    draws.insert(draws.end(), spare.begin(), spare.end());

    const auto round = Pose(draws, spare.size());
    ExpectOptions(round, {{{"255.255.255.255/0", "True"},
                           {"255.255.255.255/0", "True"},
                           {"16.0.0.0/5", "Too High"},
                           {"12.0.0.0/6", "Too High"}}});
}

} // namespace
