// A bare Qt window of the same size, for comparison with the program's start-up.
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(762, 616);
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
