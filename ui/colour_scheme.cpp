#include "colour_scheme.h"

#include "desktop_portal.h"
#include "scheme_follower.h"

#include <QApplication>
#include <QColor>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringLiteral>
#include <QStyleHints>
#include <Qt>
#include <QtCore/qobjectdefs.h> // SLOT

namespace ui {

namespace {

// GNOME's own dark colours (libadwaita's window, entry, button and accent), so that the window
// looks at home beside the desktop's own dark programs and Qt's dark Adwaita title bar. As there,
// a text box is lighter than the window, which keeps it plainly a place to type.
QPalette DarkPalette() {
    const QColor window(0x24, 0x24, 0x24);
    const QColor view(0x3a, 0x3a, 0x3a);
    const QColor button(0x35, 0x35, 0x35);
    const QColor text(Qt::white);
    const QColor dimmed(0x8c, 0x8c, 0x8c);
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, view);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, text);
    palette.setColor(QPalette::ToolTipBase, button);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, dimmed);
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, dimmed);
    }
    return palette;
}

bool IsLight(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() > 0.5;
}

QString Appearance() {
    return QStringLiteral("org.freedesktop.appearance");
}
QString ColourScheme() {
    return QStringLiteral("color-scheme");
}
constexpr unsigned kPreferDark = 1;

} // namespace

SchemeFollower::SchemeFollower(QObject* owner) : QObject(owner) {
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &SchemeFollower::Follow);
    if (OnGnome()) {
        portalDark_ = PortalSetting(Appearance(), ColourScheme()).toUInt() == kPreferDark;
        QDBusConnection::sessionBus().connect(QStringLiteral("org.freedesktop.portal.Desktop"),
                                              QStringLiteral("/org/freedesktop/portal/desktop"),
                                              QStringLiteral("org.freedesktop.portal.Settings"),
                                              QStringLiteral("SettingChanged"), this,
                                              SLOT(SettingChanged(QString, QString, QDBusVariant)));
    }
    Follow();
}

void SchemeFollower::SettingChanged(const QString& group, const QString& key,
                                    const QDBusVariant& value) {
    if (group == Appearance() && key == ColourScheme()) {
        portalDark_ = value.variant().toUInt() == kPreferDark;
        Follow();
    }
}

void SchemeFollower::Follow() {
    const bool dark =
        portalDark_ || QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
    if (dark && !ownPalette_ && IsLight(QGuiApplication::palette())) {
        QApplication::setPalette(DarkPalette());
        ownPalette_ = true;
    } else if (!dark && ownPalette_) {
        QApplication::setPalette(QPalette()); // the platform's again
        ownPalette_ = false;
    }
}

void FollowColourScheme(QObject* owner) {
    new SchemeFollower(owner); // owned by `owner`
}

} // namespace ui
