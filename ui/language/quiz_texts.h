// The texts the quiz writes, in English, and what the window shows for them in the learner's
// language.
#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace ui {

inline constexpr const char* kQuizContext = "quiz";

// Every question text and verdict the quiz can write.
extern const std::array<const char*, 10> kQuizTexts;

// The translation of one of kQuizTexts; any other text as it is.
QString QuizText(std::string_view english);

} // namespace ui
