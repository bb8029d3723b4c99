#pragma once

#include <QRect>
#include <QSize>

namespace ui {

// The one factor by which the whole window shrinks, places and fonts alike, when its client area
// and frame would not fit in the screen's available area (the screen less its panels); 1 where it
// fits as it is, so that the layout stays exact wherever it can.
double ScaleToFit(QSize client, QSize frame, const QRect& available);

// A place in the layout at that scale. Both edges are rounded, so that controls which stand side
// by side still do.
QRect Scaled(const QRect& place, double scale);

} // namespace ui
