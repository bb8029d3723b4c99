#pragma once

class QString;
class QWidget;

namespace ui {

// Has a screen reader say a message at once: a question posed, a verdict revealed, a conversion
// made. What it says is never drawn, and nothing is said before it happens. Qt 6.8 brought an
// event made for this (announcer_event.cpp); before it, the message is a notification shown
// (announcer_notification.cpp).
class Announcer {
public:
    explicit Announcer(QWidget* window);

    void Say(const QString& message);

private:
    QWidget* source_; // what the message comes from: the window, or a child of it
};

} // namespace ui
