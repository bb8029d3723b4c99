// A Qt window of the same size showing one label: the floor for a window that draws text, since
// a bare window never starts the font system.
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("One-label window"));
    window.resize(762, 616);
    auto* label = new QLabel(QStringLiteral("Which of these IP addresses matches:"), &window);
    label->setGeometry(24, 88, 681, 41);
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
