#pragma once

#include "desktop/desktop_settings.h"

class QWidget;

namespace ui {

// Keeps the window in the colours the desktop asks for. A platform theme that reports a dark
// scheme usually brings a dark palette too (Plasma's does); Qt's GNOME theme keeps a light one,
// so there the program takes a dark palette of its own. Where the desktop asks for more contrast,
// the program takes black on white, or white on black where it is dark, with every frame drawn
// in the text's colour and the focus in a strong colour of its own. Each palette of the program's
// own is given back when the desktop no longer asks for it.
class ColourScheme {
public:
    void Follow(const DesktopRequest& request, QWidget* window);

private:
    bool ownPalette_ = false; // only then is the palette ever given back
};

} // namespace ui
