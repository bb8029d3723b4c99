// ConvertRow on arbitrary boxes and bar positions: the box read is never changed, a box written
// holds only converted parts joined by ".", input without an answer changes nothing, and the bar
// always ends at rest.
#include "fuzz_text.h"

#include <converter/convert_row.h>

#include <algorithm>
#include <cstdlib>

namespace {

class Row final : public converter::ConverterRow {
public:
    std::u32string decimal;
    std::u32string binary;
    int bar = converter::kResting;
    int barChanges = 0;

    std::u32string DecimalText() const override { return decimal; }
    void SetDecimalText(std::u32string text) override { decimal = std::move(text); }
    std::u32string BinaryText() const override { return binary; }
    void SetBinaryText(std::u32string text) override { binary = std::move(text); }
    int BarValue() const override { return bar; }
    void SetBarValue(int value) override {
        if (value != bar) {
            bar = value;
            if (++barChanges > 2) {
                std::abort(); // the return to rest must not convert again and again
            }
            converter::ConvertRow(*this);
        }
    }
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool OnlyPartsOf(const std::u32string& text, std::u32string_view alphabet) {
    return !text.empty() && text.front() != U'.' && text.back() != U'.' &&
           text.find(U"..") == std::u32string::npos &&
           text.find_first_not_of(std::u32string(alphabet) + U".") == std::u32string::npos;
}

std::size_t PartCount(const std::u32string& text) {
    return text.empty() ? 0
                        : 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), U'.'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Row row;
    const int push = data.ConsumeIntegralInRange<int>(-1, 3);
    row.decimal = fuzzing::ConsumeText(data, 512);
    row.binary = fuzzing::ConsumeText(data, 512);
    const std::u32string decimalBefore = row.decimal;
    const std::u32string binaryBefore = row.binary;

    row.SetBarValue(push);
    Require(row.bar == converter::kResting);

    if (push == converter::kToDecimal) {
        Require(row.binary == binaryBefore);
        Require(row.decimal == decimalBefore ||
                (OnlyPartsOf(row.decimal, U"0123456789") &&
                 PartCount(row.decimal) == PartCount(binaryBefore)));
    } else if (push == converter::kToBinary) {
        Require(row.decimal == decimalBefore);
        Require(row.binary == binaryBefore ||
                (OnlyPartsOf(row.binary, U"01-") &&
                 PartCount(row.binary) == std::max<std::size_t>(1, PartCount(decimalBefore))));
    } else {
        Require(row.decimal == decimalBefore && row.binary == binaryBefore);
    }
    return 0;
}
