#include "controls/framed_box.h"

#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {

int FrameWidth(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    return box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
}

} // namespace

void KeepFrameVisible(QLineEdit* box) {
    const int room = box->height() - (2 * FrameWidth(*box));
    QFont font = box->font();
    double points = font.pointSizeF();
    constexpr double kStep = 0.97;
    constexpr double kSmallest = 1.0;
    while (QFontMetrics(font).height() > room && points > kSmallest) {
        points *= kStep;
        font.setPointSizeF(points);
    }
    box->setFont(font);
}

} // namespace ui
