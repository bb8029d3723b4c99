#pragma once

#include <converter/convert_row.h>

class QLineEdit;
class QScrollBar;

namespace ui {

// One converter row over the window's own boxes and bar.
class WidgetRow final : public converter::ConverterRow {
public:
    WidgetRow(QLineEdit* decimal, QScrollBar* bar, QLineEdit* binary);

    [[nodiscard]] std::u32string DecimalText() const override;
    void SetDecimalText(std::u32string text) override;
    [[nodiscard]] std::u32string BinaryText() const override;
    void SetBinaryText(std::u32string text) override;
    [[nodiscard]] int BarValue() const override;
    void SetBarValue(int value) override;

    // The box this row has written, if any.
    [[nodiscard]] const QLineEdit* Written() const { return written_; }

private:
    QLineEdit* decimal_;
    QScrollBar* bar_;
    QLineEdit* binary_;
    const QLineEdit* written_ = nullptr;
};

} // namespace ui
