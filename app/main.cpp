#include <ui/form1.h>
#include <ui/translations.h>

#include <QApplication>
#include <QString>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    QApplication::setDesktopFileName(QString::fromLatin1("org.orwinsbramblet.OrwinsBramblet"));
    const ui::Translations translations(ui::MessagesLocale());
    ui::Form1 window;
    window.show();
    return QApplication::exec();
}
