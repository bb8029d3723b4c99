#include "desktop_portal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringLiteral>
#include <QVariant>

#include <cstdlib>
#include <string_view>

namespace ui {

bool OnGnome() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP"); // GNOME, or ubuntu:GNOME
    return desktop != nullptr && std::string_view(desktop).find("GNOME") != std::string_view::npos;
}

// ReadOne is the portal's current call; older portals have only Read, which wraps the value in
// one more variant.
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

} // namespace ui
