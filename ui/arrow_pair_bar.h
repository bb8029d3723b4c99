#pragma once

#include <QScrollBar>

namespace ui {

// A horizontal scroll bar drawn as a left and a right arrow button side by side, which reads far
// better than a whole scroll bar at 33 x 17 pixels. Value, range, steps, keys and change reports
// are QScrollBar's own; a click on either half moves the value one step that way.
class ArrowPairBar final : public QScrollBar {
    Q_OBJECT

public:
    explicit ArrowPairBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    enum class Half { None, Left, Right };
    [[nodiscard]] QRect HalfRect(Half half) const;

    Half pressed_ = Half::None;
};

} // namespace ui
