#pragma once

#include <QPushButton>

namespace ui {

// A push button that a focused Enter clicks as Space does, without becoming a default button.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    // Draws a caption too wide for the button, as a translation may be, in a smaller font.
    void FitCaption();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
