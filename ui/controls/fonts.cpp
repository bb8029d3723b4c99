#include "controls/fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QStringLiteral>
#include <QtContainerFwd> // declares QStringList

namespace ui {

namespace {

// Asking for a family that is not installed costs a fontconfig query that sorts every face, on the
// way to the first paint, before Qt tries the next family; so each font asks for the first
// installed one alone, or for all of them where none is.
QStringList FirstInstalled(const QStringList& families, const QStringList& installed) {
    for (const QString& family : families) {
        if (installed.contains(family)) {
            return {family};
        }
    }
    return families;
}

// Linux rarely has either family; Comic Neue is drawn after Comic Sans, and the sans-serif faces
// are of the width and weight the old bitmap face had.
QFont Face(const QString& family, const QStringList& standIns, double points,
           const QStringList& installed) {
    QFont font;
    font.setFamilies(FirstInstalled(QStringList{family} + standIns, installed));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont Comic(double points, const QStringList& installed) {
    return Face(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")},
        points, installed);
}

} // namespace

QFont FontFor(FontRole role, double scale, const QStringList& installed) {
    switch (role) {
    case FontRole::QuestionText:
        return Comic(20.25 * scale, installed);
    case FontRole::Large:
        return Comic(29.25 * scale, installed);
    case FontRole::Verdict:
        return Comic(19.5 * scale, installed);
    case FontRole::Button:
        return Comic(17.25 * scale, installed);
    case FontRole::TextBox:
        return Face(QStringLiteral("MS Sans Serif"),
                    {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")},
                    13.5 * scale, installed);
    case FontRole::None:
        break;
    }
    return {};
}

} // namespace ui
