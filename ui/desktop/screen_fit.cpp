#include "desktop/screen_fit.h"

#include <QSize>

#include <algorithm>
#include <cmath>

namespace ui {

double ScaleToFit(QSize client, QSize frame, const QRect& available, double wanted) {
    const double across = static_cast<double>(available.width() - frame.width()) / client.width();
    const double down = static_cast<double>(available.height() - frame.height()) / client.height();
    // A screen too small for any sensible window still gets one that can be read.
    constexpr double kSmallest = 0.25;
    return std::max(std::min({across, down, wanted}), kSmallest);
}

QRect Scaled(const QRect& place, double scale) {
    const auto at = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    const int left = at(place.left());
    const int top = at(place.top());
    return {left, top, at(place.left() + place.width()) - left,
            at(place.top() + place.height()) - top};
}

} // namespace ui
