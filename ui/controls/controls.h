// The window's controls, kept by the names of their control arrays and indexed from 0.
#pragma once

#include <array>

class QLineEdit;

namespace ui {

class ArrowPairBar;
class CommandButton;
class FittingLabel;

struct Controls {
    std::array<CommandButton*, 3> cmdQuestion{};
    FittingLabel* lblQuestion = nullptr;
    FittingLabel* lblAQuestion = nullptr;
    std::array<FittingLabel*, 4> Label2{};
    std::array<FittingLabel*, 4> lblAnsA{};
    std::array<CommandButton*, 4> Command2{};
    std::array<FittingLabel*, 4> lblSolution{};
    std::array<QLineEdit*, 2> txtDecimal{};
    std::array<ArrowPairBar*, 2> HScroll1{};
    std::array<QLineEdit*, 2> txtBinary{};
};

} // namespace ui
