// The program's texts, and Qt's own, in the learner's language.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace ui {

// The locale of the learner's messages: the system's, or C where LC_ALL, LC_MESSAGES or LANG, the
// first of them set, names the C or POSIX locale. Then a LANGUAGE list counts for nothing, as it
// does for gettext.
QLocale MessagesLocale();

// Installs, for as long as it lives, the translation of the first of the locale's languages that
// the program has, and Qt's own texts in that language. In the C locale, and in a language the
// program lacks, nothing is installed and every text stays English.
class Translations {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    Translations(Translations&&) = delete;
    Translations& operator=(Translations&&) = delete;

    // The language installed, as "de" or "pt_BR"; empty for English.
    QString Language() const;

private:
    QTranslator program_;
    QTranslator qt_;
};

} // namespace ui
