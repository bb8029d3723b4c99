// Prints the wall-clock time, in nanoseconds since the epoch, at which a window's first paint has
// reached the screen, and ends the event loop. Tearing the program down afterwards is no part of
// its start-up, so the caller measures to that line rather than to the exit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

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
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                QCoreApplication::quit();
            });
        }
        return false;
    }
};
