#include "fonts.h"

#include <QStringList>

namespace ui {

namespace {

// Linux rarely has either family; Comic Neue is drawn after Comic Sans, and the sans-serif faces
// are of the width and weight the old bitmap face had.
QFont Face(const QString& family, const QStringList& standIns, qreal points) {
    QFont font(family);
    font.setFamilies(QStringList{family} + standIns);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont Comic(qreal points) {
    return Face(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")},
        points);
}

} // namespace

QFont FontFor(FontRole role) {
    switch (role) {
    case FontRole::QuestionText:
        return Comic(20.25);
    case FontRole::Large:
        return Comic(29.25);
    case FontRole::Verdict:
        return Comic(19.5);
    case FontRole::Button:
        return Comic(17.25);
    case FontRole::TextBox:
        return Face(QStringLiteral("MS Sans Serif"),
                    {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")},
                    13.5);
    case FontRole::None:
        break;
    }
    return {};
}

} // namespace ui
