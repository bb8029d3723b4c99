#include "desktop/text_scale.h"

#include <QGuiApplication>
#include <QString>
#include <QStringLiteral>

namespace ui {

namespace {

constexpr double kUsualDpi = 96.0;

} // namespace

double DesktopTextScale(double gnomeTextFactor, double logicalDpi, bool dpiCarriesGnomeFactor) {
    return (dpiCarriesGnomeFactor ? 1.0 : gnomeTextFactor) * logicalDpi / kUsualDpi;
}

bool DpiCarriesGnomeFactor() {
    return QGuiApplication::platformName() == QStringLiteral("xcb");
}

double DpiCompensation(double logicalDpi) {
    return kUsualDpi / logicalDpi;
}

} // namespace ui
