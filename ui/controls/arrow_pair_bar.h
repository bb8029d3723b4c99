#pragma once

#include <QScrollBar>

#include <cstdint>

namespace ui {

// A horizontal scroll bar drawn as a left and a right arrow button side by side, which reads far
// better than a whole scroll bar at 33 x 17 pixels. Value, range, steps and change reports are
// QScrollBar's own. Only a click on either half, or an arrow key while it has the focus, moves the
// value one step that way: the wheel, the scroll-bar menu and the page keys do nothing.
class ArrowPairBar final : public QScrollBar {
    Q_OBJECT

public:
    explicit ArrowPairBar(QWidget* parent = nullptr);

    // Draws each half's frame and arrow in the text's own colour, for a learner who asks the
    // desktop for more contrast; the style draws both faintly.
    void DrawInTextColour(bool inTextColour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Half : std::uint8_t { None, Left, Right };
    [[nodiscard]] QRect HalfRect(Half half) const;

    Half pressed_ = Half::None;
    bool inTextColour_ = false;
};

} // namespace ui
