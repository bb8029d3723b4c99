// The window's controls as data: kind, caption, place, font and tab place of each, row by row
// from the top. Places are pixels at 96 dpi (twips / 15); Qt scales them on denser screens.
#pragma once

#include <array>
#include <string_view>

namespace ui {

enum class ControlKind { Button, Label, CentredLabel, TextBox, ScrollBar };

// Every font is regular weight; each role has its family and point size.
enum class FontRole { None, QuestionText, Large, Verdict, Button, TextBox };

struct ControlSpec {
    std::string_view name;
    int index; // within its control array; 0 for a single control
    ControlKind kind;
    std::string_view text;
    int left, top, width, height;
    FontRole font;
    int tabPlace;
};

using K = ControlKind;
using F = FontRole;

inline constexpr std::string_view kStartAddress = "123.54.23.45";
inline constexpr std::string_view kStartDecimal = "255.255.255.255";
inline constexpr std::string_view kStartBinary = "00000000.00000000.00000000.00000000";

// clang-format off
inline constexpr std::array<ControlSpec, 27> kControls{{
    {"cmdQuestion",  0, K::Button,       "New Type 1",  56,  16, 177, 49, F::Button,        7},
    {"cmdQuestion",  1, K::Button,       "New Type 2", 264,  16, 177, 49, F::Button,       15},
    {"cmdQuestion",  2, K::Button,       "New Type 3", 472,  16, 177, 49, F::Button,       20},
    {"lblQuestion",  0, K::Label,        "Which of these IP addresses matches:",
                                                        24,  88, 681, 41, F::QuestionText,  0},
    {"lblAQuestion", 0, K::CentredLabel, kStartAddress, 128, 144, 457, 49, F::Large,         6},
    {"Label2",       0, K::Label,        "a) ",         32, 240,  41, 49, F::Large,         1},
    {"lblAnsA",      0, K::Label,        kStartAddress, 104, 240, 361, 49, F::Large,         5},
    {"Command2",     0, K::Button,       "Select",     488, 240,  81, 41, F::Button,        8},
    {"lblSolution",  0, K::Label,        "TRUE",       592, 240, 137, 41, F::Verdict,      16},
    {"Label2",       1, K::Label,        "b) ",         32, 296,  41, 49, F::Large,         2},
    {"lblAnsA",      1, K::Label,        kStartAddress, 104, 296, 361, 49, F::Large,        12},
    {"Command2",     1, K::Button,       "Select",     488, 296,  81, 41, F::Button,        9},
    {"lblSolution",  1, K::Label,        "TRUE",       592, 296, 137, 41, F::Verdict,      17},
    {"Label2",       2, K::Label,        "c) ",         32, 352,  41, 49, F::Large,         3},
    {"lblAnsA",      2, K::Label,        kStartAddress, 104, 352, 361, 49, F::Large,        13},
    {"Command2",     2, K::Button,       "Select",     488, 352,  81, 41, F::Button,       10},
    {"lblSolution",  2, K::Label,        "TRUE",       592, 352, 137, 41, F::Verdict,      18},
    {"Label2",       3, K::Label,        "d) ",         32, 408,  41, 49, F::Large,         4},
    {"lblAnsA",      3, K::Label,        kStartAddress, 104, 408, 361, 49, F::Large,        14},
    {"Command2",     3, K::Button,       "Select",     488, 408,  81, 41, F::Button,       11},
    {"lblSolution",  3, K::Label,        "TRUE",       592, 408, 137, 41, F::Verdict,      19},
    {"txtDecimal",   0, K::TextBox,      kStartDecimal,  32, 524, 209, 33, F::TextBox,     21},
    {"HScroll1",     0, K::ScrollBar,    "",           256, 532,  33, 17, F::None,         23},
    {"txtBinary",    0, K::TextBox,      kStartBinary, 304, 524, 413, 33, F::TextBox,      22},
    {"txtDecimal",   1, K::TextBox,      kStartDecimal,  32, 564, 209, 33, F::TextBox,     26},
    {"HScroll1",     1, K::ScrollBar,    "",           256, 572,  33, 17, F::None,         24},
    {"txtBinary",    1, K::TextBox,      kStartBinary, 304, 564, 413, 33, F::TextBox,      25},
}};
// clang-format on

inline constexpr int kClientWidth = 762;
inline constexpr int kClientHeight = 616;

} // namespace ui
