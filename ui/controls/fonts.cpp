#include "controls/fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QtContainerFwd> // declares QStringList

#include <form/fonts.h>
#include <string_view>

namespace ui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<QString::size_type>(text.size()));
}

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

} // namespace

QFont FontFor(form::FontRole role, double scale, const QStringList& installed) {
    if (role == form::FontRole::None) {
        return {};
    }
    const form::Face face = form::FaceOf(role);
    QStringList families{Text(face.family)};
    for (const std::string_view standIn : face.standIns) {
        families.append(Text(standIn));
    }
    QFont font;
    font.setFamilies(FirstInstalled(families, installed));
    font.setPointSizeF(face.points * scale);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace ui
