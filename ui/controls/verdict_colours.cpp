#include "controls/verdict_colours.h"

#include <quiz/quiz_round.h>

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <Qt>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace ui {

namespace {

QColor FromColourWord(std::uint32_t word) {
    return {static_cast<int>(word & 0xFFU), static_cast<int>((word >> 8U) & 0xFFU),
            static_cast<int>((word >> 16U) & 0xFFU)};
}

// Relative luminance and contrast ratio as WCAG defines them.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return (0.2126 * linear(colour.redF())) + (0.7152 * linear(colour.greenF())) +
           (0.0722 * linear(colour.blueF()));
}

double Contrast(const QColor& one, const QColor& other) {
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The level WCAG asks of large text, which the verdicts are; and the level of its enhanced
// contrast, for a learner who asks for more contrast.
constexpr double kLargeTextContrast = 3.0;
constexpr double kEnhancedContrast = 7.0;

// Where more contrast is asked for, a verdict colour is darkened until it has enough on white.
QColor VerdictColour(std::uint32_t word, bool moreContrast) {
    QColor colour = FromColourWord(word);
    constexpr int kDarker = 110;
    while (moreContrast && Contrast(colour, Qt::white) < kEnhancedContrast) {
        colour = colour.darker(kDarker);
    }
    return colour;
}

bool VerdictsNeedAGround(const QColor& window, bool moreContrast) {
    const double needed = moreContrast ? kEnhancedContrast : kLargeTextContrast;
    return std::ranges::any_of(std::array{quiz::kGreen, quiz::kDarkRed}, [&](std::uint32_t word) {
        return Contrast(VerdictColour(word, moreContrast), window) < needed;
    });
}

} // namespace

void PaintVerdict(QLabel* label, std::uint32_t colourWord, bool moreContrast) {
    // Built from the window's palette each time, so that a theme changed while the program runs
    // takes the ground away again as well as bringing it.
    QPalette palette = label->parentWidget()->palette();
    palette.setColor(QPalette::WindowText, VerdictColour(colourWord, moreContrast));
    const bool grounded = VerdictsNeedAGround(palette.color(QPalette::Window), moreContrast);
    if (grounded) {
        palette.setColor(QPalette::Window, Qt::white);
    }
    label->setPalette(palette);
    // Text on a ground of its own needs a little room from the ground's edge.
    constexpr int kInset = 4;
    label->setContentsMargins(grounded ? QMargins(kInset, 0, 0, 0) : QMargins());
}

} // namespace ui
