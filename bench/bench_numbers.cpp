// Exact arithmetic on random normalised operands, and copying the largest
// matrix the editor allows (999 x 999) of each element type.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "matrix.h"

namespace {

// Operands like those of an elimination on small integer data: whole parts
// and denominators up to a few thousand, so that most results stay in range.
std::vector<reel> operands(std::size_t n) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<std::int32_t> whole(-1000, 1000), den(1, 2000);
    std::vector<reel> v;
    while (v.size() < n) {
        std::int32_t d = den(rng);
        std::uniform_int_distribution<std::int32_t> num(0, d - 1);
        v.push_back(reel(whole(rng), num(rng), d));
    }
    return v;
}

template <class Op> void runOp(benchmark::State& state, Op op) {
    const auto a = operands(4096), b = operands(4097);
    std::size_t i = 0, overflows = 0;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(op(a[i & 4095], b[(i * 7) & 4095]));
        } catch (const mylongint::overflow&) {
            ++overflows;
        }
        ++i;
    }
    state.counters["overflow_share"] = benchmark::Counter(double(overflows) / double(i ? i : 1));
}

void BM_ReelAdd(benchmark::State& s) {
    runOp(s, [](const reel& a, const reel& b) { return a + b; });
}
void BM_ReelMul(benchmark::State& s) {
    runOp(s, [](const reel& a, const reel& b) { return a * b; });
}
void BM_ReelDiv(benchmark::State& s) {
    runOp(s, [](const reel& a, const reel& b) { return a / b; });
}
BENCHMARK(BM_ReelAdd);
BENCHMARK(BM_ReelMul);
BENCHMARK(BM_ReelDiv);

template <class T> void BM_Copy999(benchmark::State& state) {
    matrix<T> m(999, 999);
    m.fill(T(3), 0, 0, 998, 998);
    for (auto _ : state) {
        matrix<T> copy(m);
        benchmark::DoNotOptimize(copy.at(998, 998));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 999 * 999 * std::int64_t(sizeof(T)));
}
BENCHMARK(BM_Copy999<reel>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Copy999<double>)->Unit(benchmark::kMillisecond);

} // namespace
