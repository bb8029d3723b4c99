// ConvertRow throughput in characters of input per second, small to very large pastes.
#include <converter/convert_row.h>

#include <benchmark/benchmark.h>
#include <string>

namespace {

class PlainRow final : public converter::ConverterRow {
public:
    std::u32string decimal;
    std::u32string binary;
    int bar = converter::kResting;

    std::u32string DecimalText() const override { return decimal; }
    void SetDecimalText(std::u32string text) override { decimal = std::move(text); }
    std::u32string BinaryText() const override { return binary; }
    void SetBinaryText(std::u32string text) override { binary = std::move(text); }
    int BarValue() const override { return bar; }
    void SetBarValue(int value) override { bar = value; }
};

// Eleven long decimal parts: zero padding in front of each value, as a careless paste might.
std::u32string LongDecimalText(std::size_t size) {
    const std::size_t partSize = size / 11;
    std::u32string text;
    text.reserve(size);
    for (int part = 0; part < 11; ++part) {
        if (part > 0) {
            text += U'.';
        }
        text.append(partSize - 4, U'0');
        text += U"192";
    }
    return text;
}

// Millions of eight-digit binary parts.
std::u32string ManyBinaryParts(std::size_t size) {
    std::u32string text;
    text.reserve(size + 9);
    while (text.size() + 9 <= size) {
        text += U"11000000.";
    }
    text += U"1";
    return text;
}

void Convert(benchmark::State& state, PlainRow& row, int push) {
    const std::size_t inputSize =
        push == converter::kToBinary ? row.decimal.size() : row.binary.size();
    for (auto _ : state) {
        row.bar = push;
        converter::ConvertRow(row);
        benchmark::DoNotOptimize(row.decimal.data());
        benchmark::DoNotOptimize(row.binary.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inputSize));
}

void BM_DecimalToBinary(benchmark::State& state) {
    PlainRow row;
    row.decimal = LongDecimalText(static_cast<std::size_t>(state.range(0)));
    Convert(state, row, converter::kToBinary);
}

void BM_BinaryToDecimal(benchmark::State& state) {
    PlainRow row;
    row.binary = ManyBinaryParts(static_cast<std::size_t>(state.range(0)));
    Convert(state, row, converter::kToDecimal);
}

// Millions of decimal parts: declined, and that decision too must stay linear.
void BM_DecimalDeclinedManyParts(benchmark::State& state) {
    PlainRow row;
    row.decimal = ManyBinaryParts(static_cast<std::size_t>(state.range(0)));
    Convert(state, row, converter::kToBinary);
}

constexpr std::int64_t kKiB = 1024;
constexpr std::int64_t kMiB = 1024 * kKiB;

BENCHMARK(BM_DecimalToBinary)->Arg(kKiB)->Arg(kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BinaryToDecimal)->Arg(kKiB)->Arg(kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecimalDeclinedManyParts)
    ->Arg(kKiB)
    ->Arg(kMiB)
    ->Arg(16 * kMiB)
    ->Unit(benchmark::kMicrosecond);

} // namespace
