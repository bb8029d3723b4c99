#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// The room a new window has on its screen: the area it may take, and what the desktop draws
// around its client area there.
struct WindowRoom {
    QRect available;
    QSize frame;
};

// Under X11 the window manager tells the area its panels leave free. A Wayland compositor tells
// a program neither its panels nor its title bar, so there room is kept for the larger of
// GNOME's top bar and Plasma's bottom panel, and for a title bar, whoever draws it. GNOME's bar
// grows with its text, by `textScale` (DesktopTextScale).
WindowRoom RoomFor(const QWidget& window, double textScale);

} // namespace ui
