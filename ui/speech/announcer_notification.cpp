#include "speech/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QObject>
#include <QString>
#include <QWidget>

namespace ui {

namespace {

constexpr auto kNotificationName = "announcement";

// Screen readers speak a notification the moment it shows, so the message is the name of an
// empty widget of that role, hidden and shown again for each one.
QAccessibleInterface* NotificationRole(const QString& /*className*/, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->objectName() == kNotificationName) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : source_(new QWidget(window)) {
    // Once for the program, before Qt first asks for the widget's accessible interface.
    static const bool installed = [] {
        QAccessible::installFactory(NotificationRole);
        return true;
    }();
    Q_UNUSED(installed);
    source_->setObjectName(kNotificationName);
    source_->setGeometry(0, 0, 0, 0);
    source_->hide();
}

void Announcer::Say(const QString& message) {
    source_->hide();
    source_->setAccessibleName(message);
    source_->show();
}

} // namespace ui
