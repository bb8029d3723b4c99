#include <ui/form1.h>

#include <QApplication>
#include <QString>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    QApplication::setDesktopFileName(QString::fromLatin1("org.orwinsbramblet.OrwinsBramblet"));
    ui::Form1 window;
    window.show();
    return QApplication::exec();
}
