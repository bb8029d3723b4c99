#pragma once

class QScreen;

namespace ui {

// The factor by which the desktop asks for text larger than usual, 1 at the usual size: GNOME's
// Large Text (its text-scaling-factor, as the desktop's settings portal offers it to programs
// that are not GTK's) times the screen's font DPI over 96 (Plasma's font DPI, or QT_FONT_DPI).
double DesktopTextScale(const QScreen& screen);

// What a point size is multiplied by on that screen so that text takes the pixels it takes at
// 96 DPI: 96 over the font DPI. The window's places are in pixels, and its text grows with them,
// not on its own.
double DpiCompensation(const QScreen& screen);

} // namespace ui
