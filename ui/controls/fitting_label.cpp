#include "controls/fitting_label.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QWidget>
#include <QtNumeric>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Trailing blanks ("a) ") take no ink, so they may run past the edge.
QString WithoutTrailingBlanks(const QString& text) {
    QString::size_type end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    return text.left(end);
}

// One pixel is kept free on the right, where a glyph's ink may reach past its advance.
double Overflow(const QString& text, const QFont& font, int width) {
    return QFontMetricsF(font).horizontalAdvance(text) - (width - 1);
}

} // namespace

QFont FittedFont(const QString& text, const QFont& font, int width) {
    const double overflow = Overflow(text, font, width);
    if (overflow <= 0) {
        return font;
    }
    // Glyph widths grow almost in proportion to the size, so the proportional size is close;
    // hinting may still widen it by a little.
    QFont smaller = font;
    const double fitted = width - 1;
    double points = std::max(1.0, smaller.pointSizeF() * fitted / (fitted + overflow));
    smaller.setPointSizeF(points);
    while (Overflow(text, smaller, width) > 0 && points > 1) {
        points *= 0.97;
        smaller.setPointSizeF(points);
    }
    return smaller;
}

FittingLabel::FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void FittingLabel::DrawAtOneScaleWith(std::vector<FittingLabel*> group) {
    group_ = std::move(group);
    update();
}

double FittingLabel::NeededScale() const {
    return FittedFont(WithoutTrailingBlanks(text()), font(), contentsRect().width()).pointSizeF() /
           font().pointSizeF();
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    double scale = 1;
    for (const FittingLabel* member : group_) {
        scale = std::min(scale, member->NeededScale());
    }
    // A new text in one member may change the scale of them all.
    if (scale != drawnScale_) {
        drawnScale_ = scale;
        for (FittingLabel* member : group_) {
            if (member != this) {
                member->update();
            }
        }
    }
    const QRect area = contentsRect();
    QFont smaller = font();
    smaller.setPointSizeF(font().pointSizeF() * scale);
    if (scale == 1) {
        QLabel::paintEvent(event);
        return;
    }
    // The smaller text keeps the baseline the caption would have had.
    QRect lowered = area;
    lowered.setTop(area.top() +
                   qRound(QFontMetricsF(font()).ascent() - QFontMetricsF(smaller).ascent()));
    QPainter painter(this);
    painter.setFont(smaller);
    style()->drawItemText(&painter, lowered,
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
}

} // namespace ui
