#include "desktop/window_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QString>
#include <QStringLiteral>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// GNOME's top bar is 32 pixels high and grows with the desktop's text; Plasma's default panel is
// 44 pixels high. A little more keeps the window off either one's edge.
constexpr double kGnomeTopBar = 32;
constexpr double kPlasmaPanel = 44;
constexpr double kPanelMargin = 4;
// Qt's own title bar on GNOME and KWin's Breeze title bar are both under 40 pixels high, with
// their borders.
constexpr int kUnknownTitleBar = 40;

bool PanelsAreUnknown() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

// A window manager's frame is not known before the window is first shown; Qt's own title bar and
// frame stand in for it.
QSize StyleFrame(const QStyle& style) {
    const int border = 2 * style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {border, style.pixelMetric(QStyle::PM_TitleBarHeight) + border};
}

} // namespace

WindowRoom RoomFor(const QWidget& window, double textScale) {
    WindowRoom room{.available = window.screen()->availableGeometry(),
                    .frame = StyleFrame(*window.style())};
    if (PanelsAreUnknown()) {
        const double panels = std::max(kPlasmaPanel, kGnomeTopBar * textScale) + kPanelMargin;
        room.available.setHeight(room.available.height() - static_cast<int>(std::lround(panels)));
        room.frame.setHeight(std::max(room.frame.height(), kUnknownTitleBar));
    }
    return room;
}

} // namespace ui
