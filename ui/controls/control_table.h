// The window's table of controls bound to Qt: where each control array is kept, how a control of
// it is made, and how their texts are fitted to their places.
#pragma once

#include "controls/controls.h"

#include <algorithm>
#include <array>
#include <form/controls.h>
#include <span>
#include <string_view>
#include <type_traits>

class QLineEdit;
class QWidget;

namespace ui {

// Makes the control a row describes, of the type its place in Controls holds, and keeps it there.
using MakeControl = QWidget* (*)(Controls& controls, const form::Control& spec, QWidget* parent);
// Fits the text of every control kept in one place of Controls to its control, once the window
// has placed and sized them all; the members of a control array together.
using FitControls = void (*)(Controls& controls);

struct Kept {
    std::string_view name; // of the control or control array, as the table names it
    form::Kind kind;
    MakeControl make;
    FitControls fit;
};

// A new control of each kind, with its text and alignment.
CommandButton* NewControl(std::type_identity<CommandButton> kind, const form::Control& spec,
                          QWidget* parent);
FittingLabel* NewControl(std::type_identity<FittingLabel> kind, const form::Control& spec,
                         QWidget* parent);
QLineEdit* NewControl(std::type_identity<QLineEdit> kind, const form::Control& spec,
                      QWidget* parent);
ArrowPairBar* NewControl(std::type_identity<ArrowPairBar> kind, const form::Control& spec,
                         QWidget* parent);

// Fitting each kind of control to its place. Controls that show the same kind of text draw it at
// one scale, the smallest any of them needs: four letters in one size, though one is wider.
void FitTogether(std::span<CommandButton* const> buttons); // captions
void FitTogether(std::span<FittingLabel* const> labels);
void FitTogether(std::span<QLineEdit* const> boxes); // each keeps its frame
void FitTogether(std::span<ArrowPairBar* const> bars);

// Names a control as it is found: "lblQuestion" alone, an array member with its index,
// "cmdQuestion(0)".
void NameControl(QWidget* control, std::string_view name, int index);

// The place in Controls that Controls::*kPlace names, or its member `index` in a control array.
template <auto kPlace> auto& PlaceOf(Controls& controls, int index) {
    auto& place = controls.*kPlace;
    if constexpr (std::is_pointer_v<std::remove_reference_t<decltype(place)>>) {
        return place;
    } else {
        return place.at(static_cast<std::size_t>(index));
    }
}

template <auto kPlace>
QWidget* Make(Controls& controls, const form::Control& spec, QWidget* parent) {
    auto& place = PlaceOf<kPlace>(controls, spec.index);
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(place)>>;
    place = NewControl(std::type_identity<Control>{}, spec, parent);
    NameControl(place, spec.name, spec.index);
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

template <typename Control> constexpr form::Kind KindOf() {
    if constexpr (std::is_same_v<Control, CommandButton>) {
        return form::Kind::Button;
    } else if constexpr (std::is_same_v<Control, FittingLabel>) {
        return form::Kind::Label;
    } else if constexpr (std::is_same_v<Control, QLineEdit>) {
        return form::Kind::TextBox;
    } else {
        static_assert(std::is_same_v<Control, ArrowPairBar>);
        return form::Kind::ArrowBar;
    }
}

// How the controls kept in Controls::*kPlace, of the table's name `name`, are made and fitted.
template <auto kPlace> constexpr Kept Keep(std::string_view name) {
    using Place = std::remove_reference_t<decltype(PlaceOf<kPlace>(std::declval<Controls&>(), 0))>;
    return {.name = name,
            .kind = KindOf<std::remove_pointer_t<Place>>(),
            .make = &Make<kPlace>,
            .fit = &Fit<kPlace>};
}

using C = Controls;

inline constexpr std::array kKept{
    Keep<&C::cmdQuestion>("cmdQuestion"),   Keep<&C::lblQuestion>("lblQuestion"),
    Keep<&C::lblAQuestion>("lblAQuestion"), Keep<&C::Label2>("Label2"),
    Keep<&C::lblAnsA>("lblAnsA"),           Keep<&C::Command2>("Command2"),
    Keep<&C::lblSolution>("lblSolution"),   Keep<&C::txtDecimal>("txtDecimal"),
    Keep<&C::HScroll1>("HScroll1"),         Keep<&C::txtBinary>("txtBinary"),
};

// Where the controls of a row of the table are kept.
constexpr const Kept& KeptFor(const form::Control& spec) {
    return *std::ranges::find(kKept, spec.name, &Kept::name);
}

// Every row names a place in Controls that holds its kind of control.
static_assert(std::ranges::all_of(form::kControls, [](const form::Control& spec) {
    return std::ranges::find(kKept, spec.name, &Kept::name) != kKept.end() &&
           KeptFor(spec).kind == spec.kind;
}));

} // namespace ui
