// The question on screen: what the window shows in its question, option and verdict labels.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quiz {

// Colours as the window's 0x00BBGGRR word, red in the low byte.
inline constexpr std::uint32_t kGreen = 0x008000;
inline constexpr std::uint32_t kDarkRed = 0x000080;

struct VerdictStyle {
    std::string_view text;
    std::uint32_t colour;
};

inline constexpr VerdictStyle kTrue{"True", kGreen};
inline constexpr VerdictStyle kTooSmall{"Too Small", kDarkRed}; // address below the block
inline constexpr VerdictStyle kTooBig{"Too Big", kDarkRed};     // address above the block
inline constexpr VerdictStyle kTooHigh{"Too High", kDarkRed};   // block above the address
inline constexpr VerdictStyle kTooLow{"Too Low", kDarkRed};     // block below the address
inline constexpr VerdictStyle kFalse{"False", kDarkRed};        // count of another prefix length
inline constexpr VerdictStyle kSilly{"Silly", kDarkRed};        // count that is no power of two

struct Verdict {
    std::string text;
    std::uint32_t colour = kGreen;
    bool visible = false;

    // Text and colour only: whether it shows is the learner's business.
    void Set(VerdictStyle style) {
        text = style.text;
        colour = style.colour;
    }
};

inline constexpr std::size_t kOptionCount = 4;

struct QuizRound {
    std::string questionText;
    std::string questionLine;
    std::array<std::string, kOptionCount> options;
    std::array<Verdict, kOptionCount> verdicts; // verdict i belongs to option i
};

} // namespace quiz
