// One converter row: a dotted-decimal box, a three-position bar and a dotted-binary box.
#pragma once

#include <cstdint>
#include <string>

namespace converter {

// Bar positions: pushed toward the decimal box, resting, pushed toward the binary box.
enum BarPosition : std::uint8_t { kToDecimal = 0, kResting = 1, kToBinary = 2 };

// What a converter row needs of the window. Texts are Unicode characters, one code point each.
class ConverterRow {
public:
    ConverterRow() = default;
    ConverterRow(const ConverterRow&) = delete;
    ConverterRow& operator=(const ConverterRow&) = delete;
    virtual ~ConverterRow() = default;

    [[nodiscard]] virtual std::u32string DecimalText() const = 0;
    virtual void SetDecimalText(std::u32string text) = 0;
    [[nodiscard]] virtual std::u32string BinaryText() const = 0;
    virtual void SetBinaryText(std::u32string text) = 0;
    [[nodiscard]] virtual int BarValue() const = 0;
    // May call ConvertRow again for this row before it returns, as a toolkit reporting the
    // change would.
    virtual void SetBarValue(int value) = 0;
};

// Fills the box the bar points at from the other box, then puts the bar back at rest. Input
// with no answer leaves both boxes as they were.
void ConvertRow(ConverterRow& row);

} // namespace converter
