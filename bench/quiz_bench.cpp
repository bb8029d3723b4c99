// Time to pose one question of each type, with the program's own random source.
#include <arith/address.h>
#include <quiz/quiz.h>

#include <benchmark/benchmark.h>

namespace {

void PoseQuestions(benchmark::State& state, std::int16_t type) {
    quiz::PseudoRandomSource source;
    source.Seed(42);
    quiz::QuizRound round;
    for (auto _ : state) {
        quiz::NewQuestion(round, source, type);
        benchmark::DoNotOptimize(round);
    }
}

void BM_MatchQuestion(benchmark::State& state) {
    PoseQuestions(state, quiz::kMatchingAddress);
}
void BM_RangeQuestion(benchmark::State& state) {
    PoseQuestions(state, quiz::kIncludingRange);
}
void BM_CountQuestion(benchmark::State& state) {
    PoseQuestions(state, quiz::kAddressCount);
}

void BM_CDotted(benchmark::State& state) {
    double address = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(arith::CDotted(address));
        address = address >= 4294967295.0 - 16777259.0 ? 0 : address + 16777259.0;
    }
}

BENCHMARK(BM_MatchQuestion);
BENCHMARK(BM_RangeQuestion);
BENCHMARK(BM_CountQuestion);
BENCHMARK(BM_CDotted);

} // namespace
