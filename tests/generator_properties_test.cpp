// Many seeded questions of each type, every verdict checked against 64-bit integer arithmetic.
#include <quiz/quiz.h>

#include <charconv>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace {

constexpr int kQuestions = 100000;
constexpr std::uint64_t kTop = 0xFFFFFFFFULL;

std::uint64_t ParseNumber(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

std::uint64_t ParseDotted(std::string_view text) {
    std::uint64_t value = 0;
    for (int group = 0; group < 4; ++group) {
        const std::size_t dot = group < 3 ? text.find('.') : text.size();
        const std::uint64_t part = ParseNumber(text.substr(0, dot));
        EXPECT_LE(part, 255U) << text;
        value = value * 256 + part;
        text.remove_prefix(std::min(text.size(), dot + 1));
    }
    return value;
}

struct Block {
    std::uint64_t start;
    int n;
    [[nodiscard]] std::uint64_t Size() const { return std::uint64_t{1} << (32 - n); }
    [[nodiscard]] bool Holds(std::uint64_t x) const { return x >= start && x - start < Size(); }
};

Block ParseBlock(std::string_view text) {
    const std::size_t slash = text.find('/');
    const Block block{ParseDotted(text.substr(0, slash)),
                      static_cast<int>(ParseNumber(text.substr(slash + 1)))};
    EXPECT_EQ(block.start % block.Size(), 0U) << text << " does not start on a block boundary";
    return block;
}

void ExpectHiddenWithColour(const quiz::Verdict& verdict) {
    EXPECT_FALSE(verdict.visible);
    EXPECT_EQ(verdict.colour, verdict.text == "True" ? quiz::kGreen : quiz::kDarkRed);
}

class GeneratorProperties : public testing::Test {
protected:
    void SetUp() override { source.Seed(20261208); }
    quiz::PseudoRandomSource source;
    quiz::QuizRound round;
};

TEST_F(GeneratorProperties, MatchingAddressVerdictsAgreeWithTheBlock) {
    for (int q = 0; q < kQuestions; ++q) {
        quiz::NewQuestion(round, source, quiz::kMatchingAddress);
        const Block block = ParseBlock(round.questionLine);
        ASSERT_GE(block.n, 8);
        ASSERT_LE(block.n, 30);
        int right = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::uint64_t x = ParseDotted(round.options[i]);
            const char* expected = block.Holds(x)    ? "True"
                                   : x < block.start ? "Too Small"
                                                     : "Too Big";
            right += block.Holds(x) ? 1 : 0;
            ASSERT_EQ(round.verdicts[i].text, expected)
                << round.questionLine << " " << round.options[i];
            ExpectHiddenWithColour(round.verdicts[i]);
        }
        ASSERT_GE(right, 1) << round.questionLine;
    }
}

TEST_F(GeneratorProperties, IncludingRangeVerdictsAgreeWithTheAddress) {
    for (int q = 0; q < kQuestions; ++q) {
        quiz::NewQuestion(round, source, quiz::kIncludingRange);
        const std::uint64_t host = ParseDotted(round.questionLine);
        const std::uint64_t firstGroup = host >> 24U;
        ASSERT_TRUE(firstGroup >= 1 && firstGroup <= 191 && firstGroup != 127)
            << round.questionLine;
        std::set<int> lengths;
        int right = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const Block block = ParseBlock(round.options[i]);
            ASSERT_LE(block.n, 29);
            ASSERT_NE(block.start, kTop) << round.options[i];
            lengths.insert(block.n);
            const char* expected = block.Holds(host)    ? "True"
                                   : block.start > host ? "Too High"
                                                        : "Too Low";
            right += block.Holds(host) ? 1 : 0;
            ASSERT_EQ(round.verdicts[i].text, expected)
                << round.questionLine << " " << round.options[i];
            ExpectHiddenWithColour(round.verdicts[i]);
        }
        ASSERT_EQ(lengths.size(), 4U) << "repeated prefix length for " << round.questionLine;
        ASSERT_GE(right, 1) << round.questionLine;
    }
}

TEST_F(GeneratorProperties, AddressCountsIncreaseWithExactlyOneTrue) {
    for (int q = 0; q < kQuestions; ++q) {
        quiz::NewQuestion(round, source, quiz::kAddressCount);
        const Block block = ParseBlock(round.questionLine);
        ASSERT_LE(block.n, 32);
        std::uint64_t previous = 0;
        int right = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string& text = round.options[i];
            ASSERT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << text;
            ASSERT_TRUE(text == "0" || text[0] != '0') << text;
            const std::uint64_t count = ParseNumber(text);
            ASSERT_GT(count, previous) << round.questionLine;
            ASSERT_LE(count, 51539607552U);
            previous = count;
            const bool powerOfTwo = (count & (count - 1)) == 0;
            const char* expected = count == block.Size() ? "True" : powerOfTwo ? "False" : "Silly";
            right += count == block.Size() ? 1 : 0;
            ASSERT_EQ(round.verdicts[i].text, expected) << round.questionLine << " " << text;
            ExpectHiddenWithColour(round.verdicts[i]);
        }
        ASSERT_EQ(right, 1) << round.questionLine;
    }
}

} // namespace
