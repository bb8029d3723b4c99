// How a verdict is painted, as 0x00BBGGRR words: both verdict colours are dark. Where either has
// too little contrast with the window's colour (a dark or high-contrast theme), the verdicts get a
// white ground of their own, so that the verdict colours themselves stay. Where the learner asks
// for more contrast, each colour is darkened to 7 : 1 on white, and the white ground is given
// wherever the window's own has less.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace form {

inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// The level WCAG asks of large text, which the verdicts are; and the level of its enhanced
// contrast, for a learner who asks for more contrast.
inline constexpr double kLargeTextContrast = 3.0;
inline constexpr double kEnhancedContrast = 7.0;

inline double Channel(std::uint32_t word, unsigned shift) {
    return static_cast<double>((word >> shift) & 0xFFU) / 255.0;
}

// Relative luminance and contrast ratio as WCAG defines them.
inline double Luminance(std::uint32_t word) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return (0.2126 * linear(Channel(word, 0))) + (0.7152 * linear(Channel(word, 8))) +
           (0.0722 * linear(Channel(word, 16)));
}

inline double Contrast(std::uint32_t one, std::uint32_t other) {
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Where more contrast is asked for, a verdict colour is darkened, a tenth at a time, until it has
// enough on white.
inline std::uint32_t VerdictColour(std::uint32_t word, bool moreContrast) {
    constexpr double kDarker = 1.1;
    double scale = 1;
    std::uint32_t colour = word;
    while (moreContrast && Contrast(colour, kWhite) < kEnhancedContrast) {
        scale /= kDarker;
        colour = 0;
        for (const unsigned shift : {0U, 8U, 16U}) {
            const auto channel = static_cast<std::uint32_t>(
                std::lround(static_cast<double>((word >> shift) & 0xFFU) * scale));
            colour |= channel << shift;
        }
    }
    return colour;
}

// Whether the verdicts, in `verdictColours`, need the white ground on a window of `window`.
inline bool VerdictsNeedAGround(std::uint32_t window, bool moreContrast,
                                const std::array<std::uint32_t, 2>& verdictColours) {
    const double needed = moreContrast ? kEnhancedContrast : kLargeTextContrast;
    return std::ranges::any_of(verdictColours, [&](std::uint32_t word) {
        return Contrast(VerdictColour(word, moreContrast), window) < needed;
    });
}

} // namespace form
