#include <ui/form1.h>

#include <QApplication>
#include <QStringLiteral>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.orwinsbramblet.OrwinsBramblet"));
    ui::Form1 window;
    window.show();
    return QApplication::exec();
}
