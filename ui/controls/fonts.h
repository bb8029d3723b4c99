#pragma once

#include <QFont>
#include <QStringList>

#include <form/fonts.h>

namespace ui {

// The font of a role at a scale of its point size: its family where installed (one of
// `installed`, QFontDatabase::families()), or else the first installed face that stands in for it.
QFont FontFor(form::FontRole role, double scale, const QStringList& installed);

} // namespace ui
