#include "text_scale.h"

#include "desktop_portal.h"

#include <QScreen>
#include <QString>
#include <QStringLiteral>
#include <QVariant>

namespace ui {

namespace {

constexpr double kUsualDpi = 96.0;

// Only GNOME has the setting; asking anywhere else would start a portal on the way to the first
// paint for nothing.
double GnomeTextScalingFactor() {
    if (!OnGnome()) {
        return 1.0;
    }
    const QVariant factor = PortalSetting(QStringLiteral("org.gnome.desktop.interface"),
                                          QStringLiteral("text-scaling-factor"));
    bool read = false;
    const double value = factor.toDouble(&read);
    // GNOME's own settings offer 0.5 to 3.
    return read && value >= 0.5 && value <= 3.0 ? value : 1.0;
}

} // namespace

double DesktopTextScale(const QScreen& screen) {
    return GnomeTextScalingFactor() * screen.logicalDotsPerInchY() / kUsualDpi;
}

double DpiCompensation(const QScreen& screen) {
    return kUsualDpi / screen.logicalDotsPerInchY();
}

} // namespace ui
