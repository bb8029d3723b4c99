// The window's controls as data, row by row from the top: each control's name, kind, caption,
// place, font, alignment and tab place. Places are pixels at 96 dpi (twips / 15). Every binding of
// the window to a toolkit builds its controls from this table.
#pragma once

#include "form/fonts.h"
#include "form/translatable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace form {

enum class Kind : std::uint8_t { Button, Label, TextBox, ArrowBar };
enum class Align : std::uint8_t { Left, Centre };

// The index of a control that belongs to no control array.
inline constexpr int kSingle = -1;

struct Control {
    std::string_view name; // of the control, or of its control array
    int index;             // in its control array, or kSingle
    Kind kind;
    std::string_view text;
    int left, top, width, height;
    FontRole font;
    Align align; // of a label's or a box's text; buttons centre their captions
    int tabPlace;
};

// The captions the learner reads, in English; the window shows them translated.
//: The button that poses a new question of the first type: which address lies in a block.
inline constexpr std::string_view kNewType1 = Translatable("ui::Form1", "New Type 1");
//: The button that poses a new question of the second type: which block holds an address.
inline constexpr std::string_view kNewType2 = Translatable("ui::Form1", "New Type 2");
//: The button that poses a new question of the third type: how many addresses a block holds.
inline constexpr std::string_view kNewType3 = Translatable("ui::Form1", "New Type 3");
//: The first option's letter, a closing parenthesis and a blank, as a test's options are lettered.
inline constexpr std::string_view kLetterA = Translatable("ui::Form1", "a) ");
//: The second option's letter.
inline constexpr std::string_view kLetterB = Translatable("ui::Form1", "b) ");
//: The third option's letter.
inline constexpr std::string_view kLetterC = Translatable("ui::Form1", "c) ");
//: The fourth option's letter.
inline constexpr std::string_view kLetterD = Translatable("ui::Form1", "d) ");
//: The button beside an option that shows its verdict: whether the option is right. It has 81
//: pixels for its caption, about seven letters; a longer caption is drawn smaller.
inline constexpr std::string_view kSelect = Translatable("ui::Form1", "Select");

//: What a screen reader says of a converter row's arrow that fills the row's box of dotted-decimal
//: text from its box of dotted binary text.
inline constexpr std::string_view kFillDecimal = Translatable("ui::Form1", "Fill the decimal box");
//: What a screen reader says of a converter row's arrow that fills the row's box of dotted binary
//: text from its box of dotted-decimal text.
inline constexpr std::string_view kFillBinary = Translatable("ui::Form1", "Fill the binary box");

inline constexpr std::string_view kStartAddress = "123.54.23.45";
inline constexpr std::string_view kStartDecimal = "255.255.255.255";
inline constexpr std::string_view kStartBinary = "00000000.00000000.00000000.00000000";

using K = Kind;
using F = FontRole;
using A = Align;

// Columns: name, index, kind, caption, left, top, width, height, font, alignment, tab place.
// clang-format off
// NOLINTBEGIN(modernize-use-designated-initializers): the table reads by its columns
inline constexpr std::array<Control, 27> kControls{{
    {"cmdQuestion",  0,       K::Button,   kNewType1,     56,  16, 177, 49, F::Button,       A::Centre,  7},
    {"cmdQuestion",  1,       K::Button,   kNewType2,    264,  16, 177, 49, F::Button,       A::Centre, 15},
    {"cmdQuestion",  2,       K::Button,   kNewType3,    472,  16, 177, 49, F::Button,       A::Centre, 20},
    {"lblQuestion",  kSingle, K::Label,    "Which of these IP addresses matches:",
                                                          24,  88, 681, 41, F::QuestionText, A::Left,    0},
    {"lblAQuestion", kSingle, K::Label,    kStartAddress, 128, 144, 457, 49, F::Large,        A::Centre,  6},
    {"Label2",       0,       K::Label,    kLetterA,      32, 240,  41, 49, F::Large,        A::Left,    1},
    {"lblAnsA",      0,       K::Label,    kStartAddress, 104, 240, 361, 49, F::Large,        A::Left,    5},
    {"Command2",     0,       K::Button,   kSelect,      488, 240,  81, 41, F::Button,       A::Centre,  8},
    {"lblSolution",  0,       K::Label,    "TRUE",        592, 240, 137, 41, F::Verdict,      A::Left,   16},
    {"Label2",       1,       K::Label,    kLetterB,      32, 296,  41, 49, F::Large,        A::Left,    2},
    {"lblAnsA",      1,       K::Label,    kStartAddress, 104, 296, 361, 49, F::Large,        A::Left,   12},
    {"Command2",     1,       K::Button,   kSelect,      488, 296,  81, 41, F::Button,       A::Centre,  9},
    {"lblSolution",  1,       K::Label,    "TRUE",        592, 296, 137, 41, F::Verdict,      A::Left,   17},
    {"Label2",       2,       K::Label,    kLetterC,      32, 352,  41, 49, F::Large,        A::Left,    3},
    {"lblAnsA",      2,       K::Label,    kStartAddress, 104, 352, 361, 49, F::Large,        A::Left,   13},
    {"Command2",     2,       K::Button,   kSelect,      488, 352,  81, 41, F::Button,       A::Centre, 10},
    {"lblSolution",  2,       K::Label,    "TRUE",        592, 352, 137, 41, F::Verdict,      A::Left,   18},
    {"Label2",       3,       K::Label,    kLetterD,      32, 408,  41, 49, F::Large,        A::Left,    4},
    {"lblAnsA",      3,       K::Label,    kStartAddress, 104, 408, 361, 49, F::Large,        A::Left,   14},
    {"Command2",     3,       K::Button,   kSelect,      488, 408,  81, 41, F::Button,       A::Centre, 11},
    {"lblSolution",  3,       K::Label,    "TRUE",        592, 408, 137, 41, F::Verdict,      A::Left,   19},
    {"txtDecimal",   0,       K::TextBox,  kStartDecimal,  32, 524, 209, 33, F::TextBox,      A::Centre, 21},
    {"HScroll1",     0,       K::ArrowBar, "",            256, 532,  33, 17, F::None,         A::Centre, 23},
    {"txtBinary",    0,       K::TextBox,  kStartBinary,  304, 524, 413, 33, F::TextBox,      A::Centre, 22},
    {"txtDecimal",   1,       K::TextBox,  kStartDecimal,  32, 564, 209, 33, F::TextBox,      A::Centre, 26},
    {"HScroll1",     1,       K::ArrowBar, "",            256, 572,  33, 17, F::None,         A::Centre, 24},
    {"txtBinary",    1,       K::TextBox,  kStartBinary,  304, 564, 413, 33, F::TextBox,      A::Centre, 25},
}};
// NOLINTEND(modernize-use-designated-initializers)
// clang-format on

inline constexpr int kClientWidth = 762;
inline constexpr int kClientHeight = 616;

// Each row has a tab place of its own, and every control lies inside the client area.
constexpr bool EachTabPlaceOnce() {
    std::array<bool, kControls.size()> taken{};
    for (const Control& c : kControls) {
        const auto place = static_cast<std::size_t>(c.tabPlace);
        if (c.tabPlace < 0 || place >= taken.size() || taken.at(place)) {
            return false;
        }
        taken.at(place) = true;
    }
    return true;
}
static_assert(EachTabPlaceOnce());
static_assert(std::ranges::all_of(kControls, [](const Control& c) {
    return c.left >= 0 && c.top >= 0 && c.left + c.width <= kClientWidth &&
           c.top + c.height <= kClientHeight;
}));

// Where a control stands when the window is read line by line, as a narrow screen shows it: its
// line, counted from 1 at the top, and its place in that line, counted from 1 on the left. A line
// is a run of controls that overlap from top to bottom, as the letter, option, Select button and
// verdict of one option do, though the button is shorter than the label.
struct ReadingPlace {
    int line;
    int place;
};

// The table lists its controls from the top, so each new line starts below all before it.
constexpr std::array<int, kControls.size()> ReadingLines() {
    std::array<int, kControls.size()> lines{};
    int line = 0;
    int bottom = 0;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls.at(i);
        if (c.top >= bottom) {
            ++line;
        }
        bottom = std::max(bottom, c.top + c.height);
        lines.at(i) = line;
    }
    return lines;
}

// The reading place of the control in row `row` of the table.
constexpr ReadingPlace ReadingPlaceOf(std::size_t row) {
    constexpr std::array<int, kControls.size()> kLines = ReadingLines();
    ReadingPlace found{.line = kLines.at(row), .place = 1};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kLines.at(i) == found.line && kControls.at(i).left < kControls.at(row).left) {
            ++found.place;
        }
    }
    return found;
}

} // namespace form
