// The window's controls as data, row by row from the top: where each is kept, its caption, place,
// font, alignment and tab place. Places are pixels at 96 dpi (twips / 15).
#pragma once

#include "controls/controls.h"
#include "controls/fonts.h"
#include "language/translatable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

class QWidget;

namespace ui {

enum class Align : std::uint8_t { Left, Centre };

struct ControlSpec;

// Makes the control a row describes, of the type its place in Controls holds, and keeps it there.
using MakeControl = QWidget* (*)(Controls& controls, const ControlSpec& spec, QWidget* parent);
// Fits the text of every control kept in one place of Controls to its control, once the window
// has placed and sized them all; the members of a control array together.
using FitControls = void (*)(Controls& controls);

struct Kept {
    MakeControl make;
    FitControls fit;
};

struct ControlSpec {
    std::string_view name; // of the control, or of its control array
    Kept kept;
    std::string_view text;
    int left, top, width, height;
    FontRole font;
    Align align; // of a label's or a box's text; buttons centre their captions
    int tabPlace;
};

// A new control of each kind, with its text and alignment.
CommandButton* NewControl(std::type_identity<CommandButton> kind, const ControlSpec& spec,
                          QWidget* parent);
FittingLabel* NewControl(std::type_identity<FittingLabel> kind, const ControlSpec& spec,
                         QWidget* parent);
QLineEdit* NewControl(std::type_identity<QLineEdit> kind, const ControlSpec& spec, QWidget* parent);
ArrowPairBar* NewControl(std::type_identity<ArrowPairBar> kind, const ControlSpec& spec,
                         QWidget* parent);

// Fitting each kind of control to its place. Controls that show the same kind of text draw it at
// one scale, the smallest any of them needs: four letters in one size, though one is wider.
void FitTogether(std::span<CommandButton* const> buttons); // captions
void FitTogether(std::span<FittingLabel* const> labels);
void FitTogether(std::span<QLineEdit* const> boxes); // each keeps its frame
void FitTogether(std::span<ArrowPairBar* const> bars);

// Names a control as it is found: "lblQuestion" alone, an array member with its index,
// "cmdQuestion(0)".
inline constexpr int kSingle = -1;
void NameControl(QWidget* control, std::string_view name, int index);

// MakeControl for the control kept in Controls::*kPlace, or in its member kIndex when kPlace is a
// control array.
template <auto kPlace, int kIndex>
QWidget* Make(Controls& controls, const ControlSpec& spec, QWidget* parent) {
    auto& place = [&]() -> auto& {
        if constexpr (kIndex == kSingle) {
            return controls.*kPlace;
        } else {
            return (controls.*kPlace)[kIndex];
        }
    }
    ();
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(place)>>;
    place = NewControl(std::type_identity<Control>{}, spec, parent);
    NameControl(place, spec.name, kIndex);
    return place;
}

template <auto kPlace> void Fit(Controls& controls) {
    auto& place = controls.*kPlace;
    if constexpr (std::is_pointer_v<std::remove_reference_t<decltype(place)>>) {
        FitTogether(std::span(&place, 1));
    } else {
        FitTogether(std::span(place));
    }
}

// How the control kept in Controls::*kPlace (its member kIndex, in a control array) is made and
// fitted.
template <auto kPlace, int kIndex = kSingle>
inline constexpr Kept Keep{.make = &Make<kPlace, kIndex>, .fit = &Fit<kPlace>};

using C = Controls;
using F = FontRole;
using A = Align;

// The captions the learner reads, in English; the window shows them translated.
inline constexpr const char* kCaptionContext = "ui::Form1";
//: The button that poses a new question of the first type: which address lies in a block.
inline constexpr std::string_view kNewType1 = QT_TRANSLATE_NOOP("ui::Form1", "New Type 1");
//: The button that poses a new question of the second type: which block holds an address.
inline constexpr std::string_view kNewType2 = QT_TRANSLATE_NOOP("ui::Form1", "New Type 2");
//: The button that poses a new question of the third type: how many addresses a block holds.
inline constexpr std::string_view kNewType3 = QT_TRANSLATE_NOOP("ui::Form1", "New Type 3");
//: The first option's letter, a closing parenthesis and a blank, as a test's options are lettered.
inline constexpr std::string_view kLetterA = QT_TRANSLATE_NOOP("ui::Form1", "a) ");
//: The second option's letter.
inline constexpr std::string_view kLetterB = QT_TRANSLATE_NOOP("ui::Form1", "b) ");
//: The third option's letter.
inline constexpr std::string_view kLetterC = QT_TRANSLATE_NOOP("ui::Form1", "c) ");
//: The fourth option's letter.
inline constexpr std::string_view kLetterD = QT_TRANSLATE_NOOP("ui::Form1", "d) ");
//: The button beside an option that shows its verdict: whether the option is right. It has 81
//: pixels for its caption, about seven letters; a longer caption is drawn smaller.
inline constexpr std::string_view kSelect = QT_TRANSLATE_NOOP("ui::Form1", "Select");

inline constexpr std::string_view kStartAddress = "123.54.23.45";
inline constexpr std::string_view kStartDecimal = "255.255.255.255";
inline constexpr std::string_view kStartBinary = "00000000.00000000.00000000.00000000";

// Columns: name, where it is kept, caption, left, top, width, height, font, alignment, tab place.
// clang-format off
// NOLINTBEGIN(modernize-use-designated-initializers): the table reads by its columns
inline constexpr std::array<ControlSpec, 27> kControls{{
    {"cmdQuestion",  Keep<&C::cmdQuestion, 0>,  kNewType1,     56,  16, 177, 49, F::Button,       A::Centre,  7},
    {"cmdQuestion",  Keep<&C::cmdQuestion, 1>,  kNewType2,    264,  16, 177, 49, F::Button,       A::Centre, 15},
    {"cmdQuestion",  Keep<&C::cmdQuestion, 2>,  kNewType3,    472,  16, 177, 49, F::Button,       A::Centre, 20},
    {"lblQuestion",  Keep<&C::lblQuestion>,     "Which of these IP addresses matches:",
                                                                24,  88, 681, 41, F::QuestionText, A::Left,    0},
    {"lblAQuestion", Keep<&C::lblAQuestion>,    kStartAddress, 128, 144, 457, 49, F::Large,        A::Centre,  6},
    {"Label2",       Keep<&C::Label2, 0>,       kLetterA,      32, 240,  41, 49, F::Large,        A::Left,    1},
    {"lblAnsA",      Keep<&C::lblAnsA, 0>,      kStartAddress, 104, 240, 361, 49, F::Large,        A::Left,    5},
    {"Command2",     Keep<&C::Command2, 0>,     kSelect,      488, 240,  81, 41, F::Button,       A::Centre,  8},
    {"lblSolution",  Keep<&C::lblSolution, 0>,  "TRUE",        592, 240, 137, 41, F::Verdict,      A::Left,   16},
    {"Label2",       Keep<&C::Label2, 1>,       kLetterB,      32, 296,  41, 49, F::Large,        A::Left,    2},
    {"lblAnsA",      Keep<&C::lblAnsA, 1>,      kStartAddress, 104, 296, 361, 49, F::Large,        A::Left,   12},
    {"Command2",     Keep<&C::Command2, 1>,     kSelect,      488, 296,  81, 41, F::Button,       A::Centre,  9},
    {"lblSolution",  Keep<&C::lblSolution, 1>,  "TRUE",        592, 296, 137, 41, F::Verdict,      A::Left,   17},
    {"Label2",       Keep<&C::Label2, 2>,       kLetterC,      32, 352,  41, 49, F::Large,        A::Left,    3},
    {"lblAnsA",      Keep<&C::lblAnsA, 2>,      kStartAddress, 104, 352, 361, 49, F::Large,        A::Left,   13},
    {"Command2",     Keep<&C::Command2, 2>,     kSelect,      488, 352,  81, 41, F::Button,       A::Centre, 10},
    {"lblSolution",  Keep<&C::lblSolution, 2>,  "TRUE",        592, 352, 137, 41, F::Verdict,      A::Left,   18},
    {"Label2",       Keep<&C::Label2, 3>,       kLetterD,      32, 408,  41, 49, F::Large,        A::Left,    4},
    {"lblAnsA",      Keep<&C::lblAnsA, 3>,      kStartAddress, 104, 408, 361, 49, F::Large,        A::Left,   14},
    {"Command2",     Keep<&C::Command2, 3>,     kSelect,      488, 408,  81, 41, F::Button,       A::Centre, 11},
    {"lblSolution",  Keep<&C::lblSolution, 3>,  "TRUE",        592, 408, 137, 41, F::Verdict,      A::Left,   19},
    {"txtDecimal",   Keep<&C::txtDecimal, 0>,   kStartDecimal,  32, 524, 209, 33, F::TextBox,      A::Centre, 21},
    {"HScroll1",     Keep<&C::HScroll1, 0>,     "",            256, 532,  33, 17, F::None,         A::Centre, 23},
    {"txtBinary",    Keep<&C::txtBinary, 0>,    kStartBinary,  304, 524, 413, 33, F::TextBox,      A::Centre, 22},
    {"txtDecimal",   Keep<&C::txtDecimal, 1>,   kStartDecimal,  32, 564, 209, 33, F::TextBox,      A::Centre, 26},
    {"HScroll1",     Keep<&C::HScroll1, 1>,     "",            256, 572,  33, 17, F::None,         A::Centre, 24},
    {"txtBinary",    Keep<&C::txtBinary, 1>,    kStartBinary,  304, 564, 413, 33, F::TextBox,      A::Centre, 25},
}};
// NOLINTEND(modernize-use-designated-initializers)
// clang-format on

inline constexpr int kClientWidth = 762;
inline constexpr int kClientHeight = 616;

} // namespace ui
