#pragma once

class QLineEdit;

namespace ui {

// Some styles (Breeze, Adwaita) leave out a text box's frame when its text and frame together
// are taller than the box, which a shrunken window makes them; a box without a frame no longer
// looks like a place to type. So its text is made just small enough for the frame to fit; where
// it already fits, as at the full size, the font stays as it is.
void KeepFrameVisible(QLineEdit* box);

} // namespace ui
