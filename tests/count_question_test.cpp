#include "scripted_source.h"

#include <quiz/quiz.h>

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace testing_support;

// The draw u with Int(u^0.33 * 33) = n.
float PrefixDraw(int n) {
    return static_cast<float>(std::pow((n + 0.5) / 33.0, 1.0 / 0.33));
}

// The draw that makes option 0 stand for prefix length t, when the question's is n.
float TopDraw(int n, int t) {
    return (static_cast<float>(n + 3 - t) + 0.5F) / 4.0F;
}

constexpr float kSillyDraw = 0.9F;
constexpr float kFalseDraw = 0.1F;

// Every draw of one question: the host, n, each draw for t (the rejected ones first), and one for
// each wrong option.
std::vector<float> Draws(std::uint32_t host, int n, const std::vector<float>& topDraws,
                         const std::vector<float>& wrongDraws) {
    return Concat({HostDraws(host), {PrefixDraw(n)}, topDraws, wrongDraws});
}

TEST(CountQuestion, OptionsAreTheBlockSizesOfFourConsecutiveLengths) {
    const std::uint32_t host = Address(10, 20, 30, 41);
    const ScriptedQuestion questions[] = {
        {"n=32 redraws t until it is 32",
         Draws(host, 32, {TopDraw(32, 35), TopDraw(32, 33), TopDraw(32, 34), TopDraw(32, 32)},
               {kSillyDraw, kSillyDraw, kSillyDraw}),
         "10.20.30.41/32",
         {"1", "2", "6", "12"},
         {"True", "False", "Silly", "Silly"}},
        {"n=31 with t=32",
         Draws(host, 31, {TopDraw(31, 33), TopDraw(31, 32)}, {kSillyDraw, kFalseDraw, kSillyDraw}),
         "10.20.30.40/31",
         {"1", "2", "4", "12"},
         {"False", "True", "False", "Silly"}},
        {"n=30 redraws t",
         Draws(host, 30, {TopDraw(30, 33), TopDraw(30, 30)}, {kFalseDraw, kSillyDraw, kFalseDraw}),
         "10.20.30.40/30",
         {"4", "8", "24", "32"},
         {"True", "False", "Silly", "False"}},
        {"n=24 with t=26",
         Draws(host, 24, {TopDraw(24, 26)}, {kSillyDraw, kSillyDraw, kFalseDraw}),
         "10.20.30.0/24",
         {"96", "192", "256", "512"},
         {"Silly", "Silly", "True", "False"}},
        {"n=1 below 128.0.0.0",
         Draws(host, 1, {TopDraw(1, 1)}, {kFalseDraw, kFalseDraw, kFalseDraw}),
         "0.0.0.0/1",
         {"2147483648", "4294967296", "8589934592", "17179869184"},
         {"True", "False", "False", "False"}},
        {"n=0 all silly",
         Draws(host, 0, {TopDraw(0, 0)}, {kSillyDraw, kSillyDraw, kSillyDraw}),
         "0.0.0.0/0",
         {"4294967296", "12884901888", "25769803776", "51539607552"},
         {"True", "Silly", "Silly", "Silly"}},
        {"n=0 none silly",
         Draws(host, 0, {TopDraw(0, 0)}, {kFalseDraw, kFalseDraw, kFalseDraw}),
         "0.0.0.0/0",
         {"4294967296", "8589934592", "17179869184", "34359738368"},
         {"True", "False", "False", "False"}},
        {"n=1 above 128.0.0.0",
         Draws(Address(191, 1, 1, 1), 1, {TopDraw(1, 4)}, {kFalseDraw, kFalseDraw, kFalseDraw}),
         "128.0.0.0/1",
         {"268435456", "536870912", "1073741824", "2147483648"},
         {"False", "False", "False", "True"}},
    };
    for (const ScriptedQuestion& question : questions) {
        ExpectPoses(quiz::CountQuestion,
                    "How many IP addresses are contained in the range:", question);
    }
}

TEST(CountQuestion, PrefixLengthBinsStartWhereTheCurveSaysTheyDo) {
    // Pairs of neighbouring floats on either side of the edge u = (n / 33)^(1 / 0.33) of bin n.
    const struct {
        float draw;
        int n;
    } cases[] = {
        {2.502894858480431e-05F, 0}, {2.5028950403793715e-05F, 1}, {0.013648311607539654F, 7},
        {0.013648312538862228F, 8},  {0.11150414496660233F, 15},   {0.11150415241718292F, 16},
        {0.38097888231277466F, 23},  {0.38097891211509705F, 24},   {0.8274093866348267F, 30},
        {0.8274094462394714F, 31},   {0.910968005657196F, 31},     {0.9109680652618408F, 32},
    };
    for (const auto& c : cases) {
        ScriptedSource source(Concat({HostDraws(Address(10, 20, 30, 41)),
                                      {c.draw},
                                      {TopDraw(c.n, c.n)},
                                      {kFalseDraw, kFalseDraw, kFalseDraw}}));
        quiz::QuizRound round;
        quiz::CountQuestion(round, source);
        const std::string line = round.questionLine;
        EXPECT_EQ(line.substr(line.find('/') + 1), std::to_string(c.n)) << c.draw;
    }
}

TEST(CountQuestion, SillyStartsAtTheFirstFloatAboveSevenTenths) {
    // 0.7F itself is not above 0.7F; the next float up is.
    const float justAbove = std::nextafter(0.7F, 1.0F);
    for (const auto& [draw, verdict] : {std::pair{0.7F, "False"}, std::pair{justAbove, "Silly"}}) {
        ScriptedSource source(Concat({HostDraws(Address(10, 0, 0, 1)),
                                      {PrefixDraw(24)},
                                      {TopDraw(24, 24)},
                                      {draw, draw, draw}}));
        quiz::QuizRound round;
        quiz::CountQuestion(round, source);
        EXPECT_EQ(round.verdicts[1].text, verdict) << draw;
    }
}

} // namespace
