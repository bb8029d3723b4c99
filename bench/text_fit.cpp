// How small the window draws its texts in the language LANG names: the smallest share of its
// font's size that any of them needs to fit its control, among every question and verdict the
// quiz can write (each in its label), the letters and the button captions; and the faces they
// are drawn in. Run it on Qt's offscreen platform, once a language.
#include "controls/fonts.h"
#include "language/quiz_texts.h"

#include <ui/form1.h>
#include <ui/translations.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

double FitScale(const QString& text, const QFont& font, int width) {
    return std::min(1.0, (width - 1) / QFontMetricsF(font).horizontalAdvance(text.trimmed()));
}

void AddFaces(const QString& text, const QFont& font, std::set<QString>& faces) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        faces.insert(run.rawFont().familyName());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const ui::Translations translations(ui::MessagesLocale());
    const ui::Form1 window;
    double smallest = 1;
    QString smallestText;
    std::set<QString> faces;
    const auto note = [&](const QString& text, const QFont& font, double scale) {
        AddFaces(text, font, faces);
        if (scale < smallest) {
            smallest = scale;
            smallestText = text;
        }
    };
    const auto* question = window.findChild<QLabel*>(QStringLiteral("lblQuestion"));
    const auto* verdict = window.findChild<QLabel*>(QStringLiteral("lblSolution(0)"));
    for (std::size_t i = 0; i < ui::kQuizTexts.size(); ++i) {
        const QLabel* label = i < 3 ? question : verdict;
        const QString text = ui::QuizText(ui::kQuizTexts.at(i));
        note(text, label->font(), FitScale(text, label->font(), label->contentsRect().width()));
    }
    for (int i = 0; i < 4; ++i) {
        const auto* letter = window.findChild<QLabel*>(QStringLiteral("Label2(%1)").arg(i));
        note(letter->text(), letter->font(),
             FitScale(letter->text(), letter->font(), letter->contentsRect().width()));
    }
    // A button fits its caption by its font's size; the window is at its full size offscreen.
    const double buttonPoints =
        ui::FontFor(form::FontRole::Button, 1.0, QFontDatabase::families()).pointSizeF();
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        note(button->text(), button->font(), button->font().pointSizeF() / buttonPoints);
    }
    std::printf("%s: smallest scale %.2f (%s), faces %s\n",
                qPrintable(translations.Language().isEmpty() ? QStringLiteral("en")
                                                             : translations.Language()),
                smallest, qUtf8Printable(smallestText),
                qUtf8Printable(QStringList(faces.begin(), faces.end()).join(QStringLiteral(", "))));
    return 0;
}
