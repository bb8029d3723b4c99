#include "scripted_source.h"

#include <quiz/quiz.h>

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

// The draw that makes the prefix length n.
float PrefixDraw(int n) {
    return (static_cast<float>(n - 8) + 0.5F) / 23.0F;
}

TEST(MatchQuestion, ShowsThePassThatEndedTheLoop) {
    const ScriptedQuestion questions[] = {
        // 172.16.4.0/22 ends at 172.16.7.255. The first pass misses the block with all four
        // options; the second ends the loop with a single option inside.
        {"a pass with no option inside is drawn again whole",
         Concat({HostDraws(Address(172, 16, 6, 9)),
                 {PrefixDraw(22)},
                 {0.0F, kAlmostOne, 0.0F, kAlmostOne},
                 {0.5F, 0.0F, kAlmostOne, 0.0F}}),
         "172.16.4.0/22",
         {"172.16.5.85", "172.15.255.86", "172.16.11.83", "172.15.255.86"},
         {"True", "Too Small", "Too Big", "Too Small"}},
        {"both ends of the block are inside",
         Concat({HostDraws(Address(10, 0, 0, 6)), {PrefixDraw(30)}, {0.3F, 0.4F, 0.8F, 0.9F}}),
         "10.0.0.4/30",
         {"10.0.0.3", "10.0.0.4", "10.0.0.7", "10.0.0.8"},
         {"Too Small", "True", "True", "Too Big"}},
        {"the shortest prefix length",
         Concat({HostDraws(Address(10, 1, 2, 3)), {0.0F}, {0.5F, 0.5F, 0.5F, 0.5F}}),
         "10.0.0.0/8",
         {"10.85.85.85", "10.85.85.85", "10.85.85.85", "10.85.85.85"},
         {"True", "True", "True", "True"}},
        {"the longest prefix length",
         Concat({HostDraws(Address(10, 1, 2, 3)), {kAlmostOne}, {0.5F, 0.5F, 0.5F, 0.5F}}),
         "10.1.2.0/30",
         {"10.1.2.1", "10.1.2.1", "10.1.2.1", "10.1.2.1"},
         {"True", "True", "True", "True"}},
        {"an option below zero is raised to zero",
         Concat({HostDraws(Address(1, 2, 3, 4)), {PrefixDraw(8)}, {0.0F, 0.5F, 0.5F, 0.5F}}),
         "1.0.0.0/8",
         {"0.0.0.0", "1.85.85.85", "1.85.85.85", "1.85.85.85"},
         {"Too Small", "True", "True", "True"}},
        // In each of the last three, one option's sum lies a hair below a whole number and rounds
        // up to it as a double. Kept wider, as i386's x87 unit can, it is one address lower:
        // d) 136.85.85.85, a) 160.150.81.98, a) 158.4.241.85.
        {"rounding at the top of a /8",
         {0.9527451395988464F, 0.3478260934352875F, 0.8999999761581421F, 0.035824328660964966F,
          0.5292529463768005F, 0.07439741492271423F, 0.00020448183931875974F, 0.3900788426399231F,
          0.6000000238418579F, 0.2541954517364502F, 0.8333333730697632F},
         "135.0.0.0/8",
         {"135.0.233.244", "135.162.34.34", "134.152.142.49", "136.85.85.86"},
         {"True", "True", "Too Small", "Too Big"}},
        {"rounding onto the end of a /30",
         Concat({HostDraws(Address(160, 150, 81, 97)),
                 {PrefixDraw(30)},
                 {0.7222222089767456F, 0.0F, 0.0F, kAlmostOne}}),
         "160.150.81.96/30",
         {"160.150.81.99", "160.150.81.92", "160.150.81.92", "160.150.81.101"},
         {"True", "Too Small", "Too Small", "Too Big"}},
        {"rounding next to the middle draw of a /24",
         Concat({HostDraws(Address(158, 4, 241, 46)),
                 {PrefixDraw(24)},
                 {0.5013071894645691F, 0.5F, 0.0F, kAlmostOne}}),
         "158.4.241.0/24",
         {"158.4.241.86", "158.4.241.85", "158.4.239.214", "158.4.242.211"},
         {"True", "True", "Too Small", "Too Big"}},
    };
    for (const ScriptedQuestion& question : questions) {
        ExpectPoses(quiz::MatchQuestion, "Which of these IP addresses matches:", question);
    }
}

} // namespace
