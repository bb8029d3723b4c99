#pragma once

#include <QPushButton>
#include <QString>

#include <optional>

namespace ui {

// A push button that a focused Enter clicks as Space does, without becoming a default button.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    // The share of its font's size in which the caption fits the button: 1 where it fits, less
    // where it is too wide, as a translation may be.
    [[nodiscard]] double CaptionFit() const;

    // What a screen reader reads for the button when the learner comes back to it. While the
    // button has the focus it is kept back: a screen reader speaks a change to the focused
    // control's description, and what was just announced would be heard twice.
    void DescribeOnReturn(const QString& description);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<QString> heldDescription_;
};

} // namespace ui
