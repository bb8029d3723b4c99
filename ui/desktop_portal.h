#pragma once

#include <QVariant>

class QString;

namespace ui {

// Whether the program runs on GNOME, whose settings it reads from the desktop's settings portal.
// Elsewhere nothing asks the portal, so that no start-up waits on one for nothing.
bool OnGnome();

// One setting from the desktop's settings portal (org.freedesktop.portal.Settings); an invalid
// value where there is no portal or it does not know the setting.
QVariant PortalSetting(const QString& group, const QString& key);

} // namespace ui
