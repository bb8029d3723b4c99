// The window's controls, kept by the names of their control arrays and indexed from 0.
#pragma once

#include <array>

class QLabel;
class QLineEdit;

namespace ui {

class ArrowPairBar;
class CommandButton;

struct Controls {
    std::array<CommandButton*, 3> cmdQuestion{};
    QLabel* lblQuestion = nullptr;
    QLabel* lblAQuestion = nullptr;
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> lblAnsA{};
    std::array<CommandButton*, 4> Command2{};
    std::array<QLabel*, 4> lblSolution{};
    std::array<QLineEdit*, 2> txtDecimal{};
    std::array<ArrowPairBar*, 2> HScroll1{};
    std::array<QLineEdit*, 2> txtBinary{};
};

} // namespace ui
