#pragma once

#include <QFont>

namespace ui {

// Every font is regular weight; each role has its family and point size.
enum class FontRole { None, QuestionText, Large, Verdict, Button, TextBox };

// The font of a role: its family first, then faces that stand in for it where it is missing.
QFont FontFor(FontRole role);

} // namespace ui
