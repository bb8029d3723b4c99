#include "desktop/desktop_settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMetaType>
#include <QString>
#include <QStringLiteral>
#include <QStyleHints>
#include <QVariant>
#include <Qt>
#include <QtCore/qobjectdefs.h>  // SLOT
#include <QtCore/qtmetamacros.h> // emit
#if BRAMBLET_QT_REPORTS_CONTRAST
#include <QAccessibilityHints>
#endif

#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

QString Service() {
    return QStringLiteral("org.freedesktop.portal.Desktop");
}
QString Path() {
    return QStringLiteral("/org/freedesktop/portal/desktop");
}
QString Interface() {
    return QStringLiteral("org.freedesktop.portal.Settings");
}

QString Appearance() {
    return QStringLiteral("org.freedesktop.appearance");
}
QString ColourScheme() {
    return QStringLiteral("color-scheme");
}
QString Contrast() {
    return QStringLiteral("contrast");
}
QString GnomeInterface() {
    return QStringLiteral("org.gnome.desktop.interface");
}
QString TextScalingFactor() {
    return QStringLiteral("text-scaling-factor");
}
// GNOME 43's portal has no `contrast` yet, but offers GNOME's own switch.
QString GnomeAccessibility() {
    return QStringLiteral("org.gnome.desktop.a11y.interface");
}
QString HighContrast() {
    return QStringLiteral("high-contrast");
}

constexpr unsigned kPreferDark = 1;
constexpr unsigned kMoreContrast = 1;

} // namespace

bool OnGnome() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP"); // GNOME, or ubuntu:GNOME
    return desktop != nullptr && std::string_view(desktop).find("GNOME") != std::string_view::npos;
}

DesktopSettings::DesktopSettings(QObject* parent) : QObject(parent) {
#if BRAMBLET_QT_REPORTS_COLOUR_SCHEME
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &DesktopSettings::ReportChange);
#endif
#if BRAMBLET_QT_REPORTS_CONTRAST
    connect(QGuiApplication::styleHints()->accessibility(),
            &QAccessibilityHints::contrastPreferenceChanged, this, &DesktopSettings::ReportChange);
#endif
    if (OnGnome()) {
        // Subscribed before the first question, so that no switch is missed in between. Qt's D-Bus
        // finds the slot's argument types by name, which the variant's has only once registered.
        qRegisterMetaType<QDBusVariant>();
        QDBusConnection::sessionBus().connect(Service(), Path(), Interface(),
                                              QStringLiteral("SettingChanged"), this,
                                              SLOT(SettingChanged(QString, QString, QDBusVariant)));
        Ask(Appearance(), ColourScheme(), true);
        Ask(Appearance(), Contrast(), true);
        Ask(GnomeAccessibility(), HighContrast(), true);
        Ask(GnomeInterface(), TextScalingFactor(), true);
    }
    reported_ = Request();
}

DesktopRequest DesktopSettings::Request() const {
    DesktopRequest request = portal_;
#if BRAMBLET_QT_REPORTS_COLOUR_SCHEME
    request.dark =
        request.dark || QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#endif
#if BRAMBLET_QT_REPORTS_CONTRAST
    request.moreContrast = request.moreContrast ||
                           QGuiApplication::styleHints()->accessibility()->contrastPreference() ==
                               Qt::ContrastPreference::HighContrast;
#endif
    return request;
}

void DesktopSettings::TakeArrivedAnswers() {
    for (std::size_t i = 0; i < questions_.size(); ++i) {
        TakeAnswer(i);
    }
}

// ReadOne is the portal's current call; older portals have only Read, which wraps the value in
// one more variant.
void DesktopSettings::Ask(const QString& group, const QString& key, bool readOne) {
    QDBusMessage message = QDBusMessage::createMethodCall(Service(), Path(), Interface(),
                                                          readOne ? QStringLiteral("ReadOne")
                                                                  : QStringLiteral("Read"));
    message << group << key;
    const std::size_t index = questions_.size();
    questions_.push_back({.group = group,
                          .key = key,
                          .call = QDBusConnection::sessionBus().asyncCall(message),
                          .readOne = readOne});
    auto* watcher = new QDBusPendingCallWatcher(questions_.back().call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, index](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                TakeAnswer(index);
            });
}

void DesktopSettings::TakeAnswer(std::size_t question) {
    Question& asked = questions_.at(question);
    if (asked.answered || !asked.call.isFinished()) {
        return;
    }
    asked.answered = true;
    const QDBusMessage reply = asked.call.reply();
    if (reply.type() == QDBusMessage::ErrorMessage) {
        // Any other error (no portal, a timeout, a setting it does not have) would only repeat.
        if (asked.readOne &&
            reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod")) {
            const QString group = asked.group;
            const QString key = asked.key;
            Ask(group, key, false); // `asked` may move
        }
        return;
    }
    if (reply.arguments().isEmpty()) {
        return;
    }
    QVariant value = reply.arguments().constFirst().value<QDBusVariant>().variant();
    if (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    Take(asked.group, asked.key, value);
}

void DesktopSettings::SettingChanged(const QString& group, const QString& key,
                                     const QDBusVariant& value) {
    Take(group, key, value.variant());
}

void DesktopSettings::Take(const QString& group, const QString& key, const QVariant& value) {
    if (group == Appearance() && key == ColourScheme()) {
        portal_.dark = value.toUInt() == kPreferDark;
    } else if (group == Appearance() && key == Contrast()) {
        portalContrast_ = value.toUInt() == kMoreContrast;
    } else if (group == GnomeAccessibility() && key == HighContrast()) {
        gnomeHighContrast_ = value.toBool();
    } else if (group == GnomeInterface() && key == TextScalingFactor()) {
        bool read = false;
        const double factor = value.toDouble(&read);
        // GNOME's own settings offer 0.5 to 3.
        portal_.gnomeTextFactor = read && factor >= 0.5 && factor <= 3.0 ? factor : 1.0;
    } else {
        return;
    }
    portal_.moreContrast = portalContrast_ || gnomeHighContrast_;
    ReportChange();
}

void DesktopSettings::ReportChange() {
    const DesktopRequest request = Request();
    if (request != reported_) {
        reported_ = request;
        emit changed();
    }
}

} // namespace ui
