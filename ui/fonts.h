#pragma once

#include "control_table.h"

#include <QFont>

namespace ui {

// The font of a role: its family first, then faces that stand in for it where it is missing.
QFont FontFor(FontRole role);

} // namespace ui
