#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

#include <vector>

namespace ui {

// The font, or a smaller size of it, in which the text fits a width.
QFont FittedFont(const QString& text, const QFont& font, int width);

// A one-line label that draws a caption too wide for it in a smaller font, never cut off. Where a
// font's own face is missing and its stand-in is wider, an option such as "177.201.103.208/28"
// would otherwise lose its last digit without a sign.
class FittingLabel final : public QLabel {
    Q_OBJECT

public:
    explicit FittingLabel(const QString& text, QWidget* parent = nullptr);

    // Draws the text at the smallest share of the font's size that any label of `group` (this
    // one among them) needs for its own text.
    void DrawAtOneScaleWith(std::vector<FittingLabel*> group);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] double NeededScale() const;

    std::vector<FittingLabel*> group_{this};
    double drawnScale_ = 1;
};

} // namespace ui
