// The program's one window.
#pragma once

#include "widget_row.h"

#include <quiz/quiz_round.h>
#include <quiz/random_source.h>

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ui {

struct ControlSpec;

class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

private:
    // Control arrays, indexed from 0. Each control is also found by its object name, such as
    // "cmdQuestion(0)" or "lblQuestion".
    std::array<QPushButton*, 3> cmdQuestion{};
    QLabel* lblQuestion = nullptr;
    QLabel* lblAQuestion = nullptr;
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> lblAnsA{};
    std::array<QPushButton*, 4> Command2{};
    std::array<QLabel*, 4> lblSolution{};
    std::array<QLineEdit*, 2> txtDecimal{};
    std::array<QScrollBar*, 2> HScroll1{};
    std::array<QLineEdit*, 2> txtBinary{};

    QWidget* CreateControl(const ControlSpec& spec);
    void KeepControl(const ControlSpec& spec, QWidget* control);
    void ConnectEvents();
    template <typename Control, std::size_t N, typename Signal>
    void ConnectArray(const std::array<Control*, N>& controls, Signal signal,
                      void (Form1::*handler)(int));
    void NameControlsForScreenReaders();
    [[nodiscard]] QString OptionLetter(std::size_t option) const;

    void Form_Load();
    void cmdQuestion_Click(int index);
    void Command2_Click(int index);
    void HScroll1_Change(int index);

    // Shows the question on screen in the labels.
    void ShowRound();

    quiz::QuizRound round_;
    quiz::PseudoRandomSource random_;
    std::array<std::optional<WidgetRow>, 2> rows_;
};

} // namespace ui
