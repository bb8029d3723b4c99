#include "controls/widget_row.h"

#include <QLineEdit>
#include <QScrollBar>

#include <string>

namespace ui {

WidgetRow::WidgetRow(QLineEdit* decimal, QScrollBar* bar, QLineEdit* binary)
    : decimal_(decimal), bar_(bar), binary_(binary) {}

// UTF-16 in the widgets, one code point a character in the converter: an emoji is one place.
std::u32string WidgetRow::DecimalText() const {
    return decimal_->text().toStdU32String();
}

void WidgetRow::SetDecimalText(std::u32string text) {
    decimal_->setText(QString::fromStdU32String(text));
    written_ = decimal_;
}

std::u32string WidgetRow::BinaryText() const {
    return binary_->text().toStdU32String();
}

void WidgetRow::SetBinaryText(std::u32string text) {
    binary_->setText(QString::fromStdU32String(text));
    written_ = binary_;
}

int WidgetRow::BarValue() const {
    return bar_->value();
}

// QScrollBar reports the change from inside setValue, and only a real change.
void WidgetRow::SetBarValue(int value) {
    bar_->setValue(value);
}

} // namespace ui
