#include "controls/verdict_colours.h"

#include <quiz/quiz_round.h>

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <Qt>

#include <cstdint>
#include <form/verdict_colours.h>

namespace ui {

namespace {

QColor FromColourWord(std::uint32_t word) {
    return {static_cast<int>(word & 0xFFU), static_cast<int>((word >> 8U) & 0xFFU),
            static_cast<int>((word >> 16U) & 0xFFU)};
}

std::uint32_t ColourWord(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8U) |
           (static_cast<std::uint32_t>(colour.blue()) << 16U);
}

} // namespace

void PaintVerdict(QLabel* label, std::uint32_t colourWord, bool moreContrast) {
    // Built from the window's palette each time, so that a theme changed while the program runs
    // takes the ground away again as well as bringing it.
    QPalette palette = label->parentWidget()->palette();
    palette.setColor(QPalette::WindowText,
                     FromColourWord(form::VerdictColour(colourWord, moreContrast)));
    const bool grounded = form::VerdictsNeedAGround(ColourWord(palette.color(QPalette::Window)),
                                                    moreContrast, {quiz::kGreen, quiz::kDarkRed});
    if (grounded) {
        palette.setColor(QPalette::Window, Qt::white);
    }
    label->setPalette(palette);
    // Text on a ground of its own needs a little room from the ground's edge.
    constexpr int kInset = 4;
    label->setContentsMargins(grounded ? QMargins(kInset, 0, 0, 0) : QMargins());
}

} // namespace ui
