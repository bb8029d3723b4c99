#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QStringLiteral>

#include <cstdlib>
#include <string_view>

namespace ui {

QLocale MessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') {
            continue;
        }
        const std::string_view name(value);
        const bool plain = name == "C" || name == "POSIX" || name.starts_with("C.");
        return plain ? QLocale::c() : QLocale::system();
    }
    return QLocale::c();
}

Translations::Translations(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return;
    }
    // The locale's languages in the learner's order, each falling back as pt_BR does to pt.
    if (!program_.load(locale, QStringLiteral("orwins-bramblet"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
        return;
    }
    QCoreApplication::installTranslator(&program_);
    // The text boxes' context menu, where Debian ships Qt's translations.
    if (qt_.load(QLocale(program_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

QString Translations::Language() const {
    return program_.language();
}

} // namespace ui
