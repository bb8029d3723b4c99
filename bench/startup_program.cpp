// The program's own start-up, ending after its first paint.
#include "quit_after_first_paint.h"

#include <ui/form1.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::Form1 window;
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
