#include "speech/announcer.h"

#include <QAccessibleAnnouncementEvent>
#include <QString>
#include <QWidget>
#include <QtGui/qaccessible_base.h> // QAccessible itself, which <QAccessible> includes

namespace ui {

Announcer::Announcer(QWidget* window) : source_(window) {}

void Announcer::Say(const QString& message) {
    QAccessibleAnnouncementEvent event(source_, message);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui
