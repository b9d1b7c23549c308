// Gauss-Jordan with its full protocol: exact on small integer matrices (where
// overflow sets in), floating point on large ones.
#include <benchmark/benchmark.h>

#include <random>

#include "matrix.h"
#include "protstream.h"

namespace {

template <class T> matrix<T> randomIntegers(int n, protstream* p, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-9, 9);
    matrix<T> m(n, n, p);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m.at(r, c) = T(d(rng));
    return m;
}

void BM_ExactGaussJordan(benchmark::State& state) {
    const int n = int(state.range(0));
    std::int64_t runs = 0, overflows = 0;
    unsigned seed = 1;
    for (auto _ : state) {
        protstream p;
        auto m = randomIntegers<reel>(n, &p, seed++);
        ++runs;
        try {
            m.gaussJordan();
        } catch (const mylongint::overflow&) {
            ++overflows;
        }
    }
    state.counters["overflow_share"] = double(overflows) / double(runs);
}
BENCHMARK(BM_ExactGaussJordan)->DenseRange(5, 10)->Arg(20)->Unit(benchmark::kMicrosecond);

void BM_FloatGaussJordan(benchmark::State& state) {
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<protstream>();
        auto m = randomIntegers<double>(n, p.get(), 7);
        state.ResumeTiming();
        m.gaussJordan(); // n + 1 snapshots of n x n doubles go into the protocol
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FloatGaussJordan)->Arg(100)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// The same without a protocol: the share of the time the snapshots take.
void BM_FloatGaussJordanNoProtocol(benchmark::State& state) {
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto m = randomIntegers<double>(n, nullptr, 7);
        state.ResumeTiming();
        m.gaussJordan();
    }
}
BENCHMARK(BM_FloatGaussJordanNoProtocol)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
