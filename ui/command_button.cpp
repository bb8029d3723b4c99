#include "command_button.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <Qt>

namespace ui {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
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
