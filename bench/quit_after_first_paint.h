// Ends the event loop once a window has painted for the first time.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint final : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has been delivered and flushed to the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};
