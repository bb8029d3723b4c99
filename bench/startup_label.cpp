// A Qt window of the same size showing one label: the floor for a window that draws text, since
// a bare window never starts the font system. The label shows the program's first question, or
// the text given, as the program shows it in another language.
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("One-label window"));
    window.resize(762, 616);
    const QString text = argc > 1 ? QString::fromUtf8(argv[1])
                                  : QStringLiteral("Which of these IP addresses matches:");
    auto* label = new QLabel(text, &window);
    label->setGeometry(24, 88, 681, 41);
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
