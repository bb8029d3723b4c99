// A converter row over plain strings, for the tests, the fuzzer and the benchmark. Its bar
// reports a change the way a toolkit does: synchronously, from inside SetBarValue, and only when
// the value really changes.
#pragma once

#include <converter/convert_row.h>

#include <string>
#include <utility>

namespace testing_support {

class FakeRow final : public converter::ConverterRow {
public:
    FakeRow(std::u32string decimal, std::u32string binary)
        : decimal_(std::move(decimal)), binary_(std::move(binary)) {}

    std::u32string DecimalText() const override { return decimal_; }
    void SetDecimalText(std::u32string text) override {
        decimal_ = std::move(text);
        ++writes;
    }
    std::u32string BinaryText() const override { return binary_; }
    void SetBinaryText(std::u32string text) override {
        binary_ = std::move(text);
        ++writes;
    }
    int BarValue() const override { return bar_; }
    void SetBarValue(int value) override {
        if (value == bar_) {
            return;
        }
        bar_ = value;
        ++conversions;
        converter::ConvertRow(*this);
    }

    // The learner pushes the bar one way.
    void Push(int position) { SetBarValue(position); }

    const std::u32string& decimal() const { return decimal_; }
    const std::u32string& binary() const { return binary_; }
    int writes = 0;
    int conversions = 0;

private:
    std::u32string decimal_;
    std::u32string binary_;
    int bar_ = converter::kResting;
};

} // namespace testing_support
