#pragma once

#include <QRect>
#include <QSize>

namespace ui {

// The one factor by which the whole window is drawn, places and fonts alike: the factor the
// desktop's text size asks for (1 at the usual size), or less where the client area and frame
// would not then fit in the room the screen offers (its available area, less its panels); so that
// the layout stays exact wherever it can.
double ScaleToFit(QSize client, QSize frame, const QRect& available, double wanted = 1.0);

// A place in the layout at that scale. Both edges are rounded, so that controls which stand side
// by side still do.
QRect Scaled(const QRect& place, double scale);

} // namespace ui
