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

inline constexpr VerdictStyle kTrue{.text = "True", .colour = kGreen};
// The address lies below the block, or above it.
inline constexpr VerdictStyle kTooSmall{.text = "Too Small", .colour = kDarkRed};
inline constexpr VerdictStyle kTooBig{.text = "Too Big", .colour = kDarkRed};
// The block lies above the address, or below it.
inline constexpr VerdictStyle kTooHigh{.text = "Too High", .colour = kDarkRed};
inline constexpr VerdictStyle kTooLow{.text = "Too Low", .colour = kDarkRed};
// The count is that of another prefix length, or no power of two.
inline constexpr VerdictStyle kFalse{.text = "False", .colour = kDarkRed};
inline constexpr VerdictStyle kSilly{.text = "Silly", .colour = kDarkRed};

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
