// The program's one window.
#pragma once

#include <QWidget>

#include <cstddef>
#include <memory>

namespace ui {

class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

signals:
    // The window has become the active one; its focused control is yet to be announced.
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The controls, the question on screen and the random source.
    struct State;
    std::unique_ptr<State> state_;

    void MakeControls();
    void ConnectEvents();
    void NameControlsForScreenReaders();
    // Places and sizes the controls and their texts at the scale the desktop and screen allow.
    void LayOut();
    // Takes the colours and the text size the desktop asks for, at the start and on each change.
    void FollowDesktop();

    void Form_Load();
    void cmdQuestion_Click(int index);
    void Command2_Click(int index);
    void HScroll1_Change(int index);

    // Shows the question on screen in the labels.
    void ShowRound();
    void SayQuestion();
    void ShowVerdict(std::size_t i);
    void PaintVerdicts();
};

} // namespace ui
