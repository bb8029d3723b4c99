#pragma once

namespace ui {

// The factor by which the desktop asks for text larger than usual, 1 at the usual size: the
// screen's font DPI over 96 (Plasma's font DPI, QT_FONT_DPI, X's Xft.dpi), times GNOME's Large
// Text factor where the DPI does not already carry it. Under X, GNOME's settings daemon sets
// Xft.dpi to 96 times that factor itself, so there it counts once.
double DesktopTextScale(double gnomeTextFactor, double logicalDpi, bool dpiCarriesGnomeFactor);

// Whether the platform's DPI is X's, in which GNOME writes its factor.
bool DpiCarriesGnomeFactor();

// What a point size is multiplied by on a screen of that font DPI so that text takes the pixels
// it takes at 96 DPI: 96 over the DPI. The window's places are in pixels, and its text grows with
// them, not on its own.
double DpiCompensation(double logicalDpi);

} // namespace ui
