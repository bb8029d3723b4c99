#include "scripted_source.h"

#include <quiz/quiz.h>

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

float LengthDraw(int n) {
    return (static_cast<float>(n) + 0.5F) / 30.0F;
}

float ShiftDraw(int shift) {
    return (static_cast<float>(shift + 1) + 0.5F) / 4.0F;
}

// Shift -1, 0 or +1.
std::vector<float> Option(int n, int shift) {
    return {LengthDraw(n), ShiftDraw(shift)};
}

// 99 attempts rejected for repeating a length, a 100th that runs past the top, and the draws a
// 101st attempt would take.
std::vector<float> GiveUpDraws() {
    std::vector<float> draws = HostDraws(Address(10, 1, 2, 3));
    for (int option = 0; option < 99 * 4; ++option) {
        const auto repeated = Option(8, 0);
        draws.insert(draws.end(), repeated.begin(), repeated.end());
    }
    const auto last = Concat({Option(0, 1), Option(0, 1), Option(5, 1), Option(6, 1), Option(1, 0),
                              Option(2, 0), Option(3, 0), Option(4, 0)});
    draws.insert(draws.end(), last.begin(), last.end());
    return draws;
}

TEST(RangeQuestion, ShowsTheAttemptThatEndedTheLoop) {
    const ScriptedQuestion questions[] = {
        {"repeated lengths and the top address reject an attempt, even one with True options",
         Concat({HostDraws(Address(10, 1, 2, 3)), Option(8, 0), Option(8, 1), Option(9, 0),
                 Option(16, 0),
                 // /0 moved up reaches 2^32 and is held at 4294967295.
                 Option(0, 1), Option(8, 0), Option(9, 0), Option(16, 0),
                 // Accepted.
                 Option(8, -1), Option(9, 0), Option(16, 1), Option(0, -1)}),
         "10.1.2.3",
         {"9.0.0.0/8", "10.0.0.0/9", "10.2.0.0/16", "0.0.0.0/0"},
         {"Too Low", "True", "Too High", "True"}},
        {"a top block moved up rejects the attempt; one True option ends the loop",
         Concat({HostDraws(Address(130, 5, 6, 7)), Option(1, 1), Option(2, 0), Option(3, 0),
                 Option(4, 0), Option(1, 0), Option(2, 1), Option(3, -1), Option(4, 1)}),
         "130.5.6.7",
         {"128.0.0.0/1", "192.0.0.0/2", "96.0.0.0/3", "144.0.0.0/4"},
         {"True", "Too High", "Too Low", "Too High"}},
        {"the top half moved down; the largest shift draw makes 2, which counts as +1",
         Concat({HostDraws(Address(130, 5, 6, 7)),
                 Option(1, -1),
                 Option(2, 0),
                 Option(3, 0),
                 {LengthDraw(4), kAlmostOne}}),
         "130.5.6.7",
         {"0.0.0.0/1", "128.0.0.0/2", "128.0.0.0/3", "144.0.0.0/4"},
         {"Too Low", "True", "True", "Too High"}},
        {"the lowest block moved down is held at 0, the same block; the largest length draw is 29",
         Concat({HostDraws(Address(5, 6, 7, 8)),
                 Option(4, -1),
                 Option(0, 0),
                 {kAlmostOne, ShiftDraw(-1)},
                 Option(28, 1)}),
         "5.6.7.8",
         {"0.0.0.0/4", "0.0.0.0/0", "5.6.7.0/29", "5.6.7.16/28"},
         {"True", "True", "Too Low", "Too High"}},
        {"after 100 rejected attempts the last one shows as it is",
         GiveUpDraws(),
         "10.1.2.3",
         {"255.255.255.255/0", "255.255.255.255/0", "16.0.0.0/5", "12.0.0.0/6"},
         {"True", "True", "Too High", "Too High"},
         8},
    };
    for (const ScriptedQuestion& question : questions) {
        ExpectPoses(quiz::RangeQuestion, "Which of these ranges includes:", question);
    }
}

} // namespace
