#include "colour_scheme.h"

namespace ui {

// Qt before 6.5 is not told the desktop's colour scheme; its palette is the platform theme's.
void FollowColourScheme(QObject* /*owner*/) {}

} // namespace ui
