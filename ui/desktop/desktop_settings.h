// What the desktop asks of the window's look, followed while the program runs.
#pragma once

#include <QDBusPendingCall>
#include <QObject>
#include <QString>
#include <QtCore/qtmetamacros.h> // signals, slots

#include <cstddef>
#include <vector>

class QDBusVariant;
class QVariant;

namespace ui {

struct DesktopRequest {
    bool dark = false;
    bool moreContrast = false;
    // GNOME's Large Text, its text-scaling-factor; 1 at the usual size.
    double gnomeTextFactor = 1.0;

    bool operator==(const DesktopRequest&) const = default;
};

// Follows what the desktop asks, as Qt's platform theme reports it and, on GNOME, as the desktop's
// settings portal does: Qt's GNOME theme reports neither Large Text nor high contrast, nor before
// Qt 6.5 the dark style. Nothing waits on the portal, which at a login may be slow to answer or
// never answer: each setting is asked for without blocking, its answer is taken whenever it comes,
// and its changes are followed. Elsewhere nothing asks the portal, so that none is started for
// nothing.
class DesktopSettings final : public QObject {
    Q_OBJECT

public:
    explicit DesktopSettings(QObject* parent);

    DesktopRequest Request() const;

    // Takes the answers that have come so far, without waiting for the rest; a portal that
    // answers at once then already sets the window's first frame.
    void TakeArrivedAnswers();

signals:
    void changed();

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
    void ReportChange();

private:
    struct Question {
        QString group, key;
        QDBusPendingCall call;
        bool readOne; // asked with ReadOne, not the older Read
        bool answered = false;
    };

    void Ask(const QString& group, const QString& key, bool readOne);
    void TakeAnswer(std::size_t question);
    void Take(const QString& group, const QString& key, const QVariant& value);

    DesktopRequest portal_;
    bool portalContrast_ = false;
    bool gnomeHighContrast_ = false;
    DesktopRequest reported_; // what `changed` was last emitted for
    std::vector<Question> questions_;
};

// Whether the program runs on GNOME, where the portal is asked.
bool OnGnome();

} // namespace ui
