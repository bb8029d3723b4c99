// What colour_scheme.cpp follows the desktop's colour scheme with.
#pragma once

#include <QObject>
#include <QString>
#include <QtCore/qtmetamacros.h> // slots

class QDBusVariant;

namespace ui {

// Follows the scheme as Qt's platform theme reports it and, on GNOME, as the desktop's settings
// portal does: Qt's GNOME theme does not report it.
class SchemeFollower final : public QObject {
    Q_OBJECT

public:
    explicit SchemeFollower(QObject* owner);

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void Follow();

    bool portalDark_ = false;
    // Whether the palette in force is the program's own; only then is it ever given back.
    bool ownPalette_ = false;
};

} // namespace ui
