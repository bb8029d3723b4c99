// The program's own start-up, its translation loaded as LANG asks, ending after its first paint.
#include "quit_after_first_paint.h"

#include <ui/form1.h>
#include <ui/translations.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const ui::Translations translations(ui::MessagesLocale());
    ui::Form1 window;
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
