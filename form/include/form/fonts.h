// The window's fonts by role: a family, the faces that stand in for it where it is missing, and a
// point size at 96 dpi. Every font is of regular weight.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace form {

enum class FontRole : std::uint8_t { None, QuestionText, Large, Verdict, Button, TextBox };

struct Face {
    std::string_view family;
    std::span<const std::string_view> standIns; // in the order they are tried
    double points;
};

// Linux rarely has either family; Comic Neue is drawn after Comic Sans, and the sans-serif faces
// are of the width and weight the old bitmap face had.
inline constexpr std::array<std::string_view, 3> kComicStandIns{"Comic Neue", "Comic Sans",
                                                                "DejaVu Sans"};
inline constexpr std::array<std::string_view, 4> kSansStandIns{
    "Microsoft Sans Serif", "DejaVu Sans", "Liberation Sans", "sans-serif"};

constexpr Face Comic(double points) {
    return {.family = "Comic Sans MS", .standIns = kComicStandIns, .points = points};
}

constexpr Face FaceOf(FontRole role) {
    switch (role) {
    case FontRole::QuestionText:
        return Comic(20.25);
    case FontRole::Large:
        return Comic(29.25);
    case FontRole::Verdict:
        return Comic(19.5);
    case FontRole::Button:
        return Comic(17.25);
    case FontRole::TextBox:
        return {.family = "MS Sans Serif", .standIns = kSansStandIns, .points = 13.5};
    case FontRole::None:
        break;
    }
    return {};
}

} // namespace form
