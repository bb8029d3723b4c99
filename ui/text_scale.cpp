#include "text_scale.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QScreen>
#include <QString>
#include <QStringLiteral>
#include <QVariant>

#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

constexpr double kUsualDpi = 96.0;

// One setting from the desktop's settings portal; an invalid value where there is no portal or
// it does not know the setting. ReadOne is the portal's current call; older portals have only
// Read, which wraps the value in one more variant.
QVariant PortalSetting(const QString& group, const QString& key) {
    constexpr int kTimeoutMs = 1000;
    for (const auto* method : {"ReadOne", "Read"}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.portal.Desktop"),
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Settings"), QString::fromLatin1(method));
        call << group << key;
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(call, QDBus::Block, kTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            QVariant value = reply.arguments().constFirst().value<QDBusVariant>().variant();
            if (value.userType() == qMetaTypeId<QDBusVariant>()) {
                value = value.value<QDBusVariant>().variant();
            }
            return value;
        }
    }
    return {};
}

// Only GNOME has the setting; asking anywhere else would start a portal on the way to the first
// paint for nothing.
double GnomeTextScalingFactor() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP"); // GNOME, or ubuntu:GNOME
    if (desktop == nullptr || std::string_view(desktop).find("GNOME") == std::string_view::npos) {
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
