#pragma once

#include <cstdint>

class QLabel;

namespace ui {

// Gives a verdict label its text colour, a word 0x00BBGGRR. Both verdict colours are dark: where
// either has less than 3 : 1 contrast with the window's colour (a dark or high-contrast theme),
// the verdicts get a white ground of their own, so that the verdict colours themselves stay.
void PaintVerdict(QLabel* label, std::uint32_t colourWord);

} // namespace ui
