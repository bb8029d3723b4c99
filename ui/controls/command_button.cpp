#include "controls/command_button.h"

#include "controls/fitting_label.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <Qt>

namespace ui {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

double CommandButton::CaptionFit() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    return FittedFont(text(), font(), contents.width() - margin).pointSizeF() / font().pointSizeF();
}

void CommandButton::DescribeOnReturn(const QString& description) {
    if (hasFocus() && !description.isEmpty()) {
        heldDescription_ = description;
        return;
    }
    heldDescription_.reset();
    setAccessibleDescription(description);
}

void CommandButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    if (heldDescription_) {
        setAccessibleDescription(*heldDescription_);
        heldDescription_.reset();
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Enter on the keypad carries the keypad modifier and nothing else.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace ui
