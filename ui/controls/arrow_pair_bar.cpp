#include "controls/arrow_pair_bar.h"

#include <QAbstractSlider>
#include <QColor>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWheelEvent>
#include <QWidget>
#include <Qt>

#include <array>

namespace ui {

ArrowPairBar::ArrowPairBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    // QScrollBar inverts its keys by default, which would send the right arrow key to the left.
    setInvertedControls(false);
}

void ArrowPairBar::DrawInTextColour(bool inTextColour) {
    inTextColour_ = inTextColour;
    update();
}

QRect ArrowPairBar::HalfRect(Half half) const {
    const int leftWidth = width() / 2;
    return half == Half::Left ? QRect(0, 0, leftWidth, height())
                              : QRect(leftWidth, 0, width() - leftWidth, height());
}

void ArrowPairBar::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    for (const Half half : {Half::Left, Half::Right}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = HalfRect(half);
        button.state |= pressed_ == half ? QStyle::State_Sunken : QStyle::State_Raised;
        button.state &= ~QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_PushButtonBevel, button);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.direction = Qt::LeftToRight; // each arrow points at the box it fills, mirrored or not
        arrow.rect = button.rect.adjusted(3, 3, -3, -3);
        if (!inTextColour_) {
            painter.drawPrimitive(half == Half::Left ? QStyle::PE_IndicatorArrowLeft
                                                     : QStyle::PE_IndicatorArrowRight,
                                  arrow);
            continue;
        }
        const QColor text = palette().color(QPalette::WindowText);
        painter.setPen(QPen(text, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(button.rect.adjusted(0, 0, -1, -1));
        // A triangle pointing at the box the half fills, its tip at the side it points to.
        const QRectF area = QRectF(arrow.rect).adjusted(1, 1, -1, -1);
        const double tip = half == Half::Left ? area.left() : area.right();
        const double base = half == Half::Left ? area.right() : area.left();
        const std::array<QPointF, 3> triangle{QPointF(tip, area.center().y()),
                                              QPointF(base, area.top()),
                                              QPointF(base, area.bottom())};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(text);
        painter.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void ArrowPairBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (focusPolicy() & Qt::ClickFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    pressed_ =
        HalfRect(Half::Left).contains(event->position().toPoint()) ? Half::Left : Half::Right;
    update();
    // Mirrored, the decimal box that the value 0 fills is on the right.
    const Half towardsZero = isRightToLeft() ? Half::Right : Half::Left;
    triggerAction(pressed_ == towardsZero ? SliderSingleStepSub : SliderSingleStepAdd);
}

void ArrowPairBar::mouseReleaseEvent(QMouseEvent* /*event*/) {
    pressed_ = Half::None;
    update();
}

// Dragging means nothing here: there is no slider to drag.
void ArrowPairBar::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ArrowPairBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        QScrollBar::keyPressEvent(event);
        break;
    default:
        event->ignore();
        break;
    }
}

void ArrowPairBar::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void ArrowPairBar::contextMenuEvent(QContextMenuEvent* event) {
    event->ignore();
}

} // namespace ui
