#pragma once

#include <cstdint>

class QLabel;

namespace ui {

// Gives a verdict label its text colour, a word 0x00BBGGRR. Both verdict colours are dark: where
// either has less than 3 : 1 contrast with the window's colour (a dark or high-contrast theme),
// the verdicts get a white ground of their own, so that the verdict colours themselves stay.
// Where the desktop asks for more contrast, each colour is darkened to 7 : 1 on white, and the
// white ground is given wherever the window's own has less.
void PaintVerdict(QLabel* label, std::uint32_t colourWord, bool moreContrast);

} // namespace ui
