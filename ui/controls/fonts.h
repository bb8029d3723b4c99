#pragma once

#include <QFont>
#include <QStringList>

#include <cstdint>

namespace ui {

// Every font is regular weight; each role has its family and point size.
enum class FontRole : std::uint8_t { None, QuestionText, Large, Verdict, Button, TextBox };

// The font of a role at a scale of its point size: its family where installed (one of
// `installed`, QFontDatabase::families()), or else the first installed face that stands in for it.
QFont FontFor(FontRole role, double scale, const QStringList& installed);

} // namespace ui
