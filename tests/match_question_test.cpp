#include "scripted_source.h"

#include <quiz/quiz.h>

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using quiz::kDarkRed;
using quiz::kGreen;

// The draw that makes the prefix length n.
float PrefixDraw(int n) {
    return (static_cast<float>(n - 8) + 0.5F) / 23.0F;
}

struct Expected {
    const char* option;
    const char* verdict;
    std::uint32_t colour;
};

void ExpectOptions(const quiz::QuizRound& round, const std::array<Expected, 4>& expected) {
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(round.options[i], expected[i].option) << "option " << i;
        EXPECT_EQ(round.verdicts[i].text, expected[i].verdict) << "option " << i;
        EXPECT_EQ(round.verdicts[i].colour, expected[i].colour) << "option " << i;
        EXPECT_FALSE(round.verdicts[i].visible) << "option " << i;
    }
}

TEST(MatchQuestion, ShowsOnlyThePassThatHitTheBlock) {
    // Block 172.16.4.0/22, ends at 172.16.7.255. The first pass misses it with all four options.
    ScriptedSource source(Concat({HostDraws(Address(172, 16, 6, 9)),
                                  {PrefixDraw(22)},
                                  {0.0F, kAlmostOne, 0.0F, kAlmostOne},
                                  {0.5F, 0.0F, kAlmostOne, 0.5F}}));
    quiz::QuizRound round;
    quiz::MatchQuestion(round, source);

    EXPECT_EQ(source.Remaining(), 0U);
    EXPECT_EQ(round.questionText, "Which of these IP addresses matches:");
    EXPECT_EQ(round.questionLine, "172.16.4.0/22");
    ExpectOptions(round, {{{"172.16.5.85", "True", kGreen},
                           {"172.15.255.86", "Too Small", kDarkRed},
                           {"172.16.11.83", "Too Big", kDarkRed},
                           {"172.16.5.85", "True", kGreen}}});
}

TEST(MatchQuestion, BothEndsOfTheBlockAreInside) {
    // 10.0.0.4/30: the draws land one below the start, on the start, on the end, one past it.
    ScriptedSource source(
        Concat({HostDraws(Address(10, 0, 0, 6)), {PrefixDraw(30)}, {0.3F, 0.4F, 0.8F, 0.9F}}));
    quiz::QuizRound round;
    quiz::MatchQuestion(round, source);

    EXPECT_EQ(source.Remaining(), 0U);
    EXPECT_EQ(round.questionLine, "10.0.0.4/30");
    ExpectOptions(round, {{{"10.0.0.3", "Too Small", kDarkRed},
                           {"10.0.0.4", "True", kGreen},
                           {"10.0.0.7", "True", kGreen},
                           {"10.0.0.8", "Too Big", kDarkRed}}});
}

TEST(MatchQuestion, PrefixLengthStaysWithinEightToThirty) {
    const struct {
        float draw;
        const char* line;
    } cases[] = {{0.0F, "10.0.0.0/8"}, {kAlmostOne, "10.1.2.0/30"}};
    for (const auto& c : cases) {
        ScriptedSource source(
            Concat({HostDraws(Address(10, 1, 2, 3)), {c.draw}, {0.5F, 0.5F, 0.5F, 0.5F}}));
        quiz::QuizRound round;
        quiz::MatchQuestion(round, source);
        EXPECT_EQ(round.questionLine, c.line);
    }
}

TEST(MatchQuestion, AnOptionBelowZeroIsRaisedToZero) {
    ScriptedSource source(
        Concat({HostDraws(Address(1, 2, 3, 4)), {PrefixDraw(8)}, {0.0F, 0.5F, 0.5F, 0.5F}}));
    quiz::QuizRound round;
    quiz::MatchQuestion(round, source);
    EXPECT_EQ(round.questionLine, "1.0.0.0/8");
    EXPECT_EQ(round.options[0], "0.0.0.0");
    EXPECT_EQ(round.verdicts[0].text, "Too Small");
}

} // namespace
