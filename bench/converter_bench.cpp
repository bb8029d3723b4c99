// ConvertRow throughput in characters of input per second, small to very large pastes.
#include "support/fake_row.h"

#include <converter/convert_row.h>

#include <benchmark/benchmark.h>
#include <string>

namespace {

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

void Convert(benchmark::State& state, testing_support::FakeRow& row, int push) {
    const std::size_t inputSize =
        push == converter::kToBinary ? row.decimal().size() : row.binary().size();
    for (auto _ : state) {
        row.Push(push);
        benchmark::DoNotOptimize(row.decimal().data());
        benchmark::DoNotOptimize(row.binary().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inputSize));
}

void BM_DecimalToBinary(benchmark::State& state) {
    testing_support::FakeRow row(LongDecimalText(static_cast<std::size_t>(state.range(0))), U"");
    Convert(state, row, converter::kToBinary);
}

void BM_BinaryToDecimal(benchmark::State& state) {
    testing_support::FakeRow row(U"", ManyBinaryParts(static_cast<std::size_t>(state.range(0))));
    Convert(state, row, converter::kToDecimal);
}

// Millions of decimal parts: declined, and that decision too must stay linear.
void BM_DecimalDeclinedManyParts(benchmark::State& state) {
    testing_support::FakeRow row(ManyBinaryParts(static_cast<std::size_t>(state.range(0))), U"");
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
