// Gauss-Jordan with its full protocol: exact on small integer matrices (where
// overflow sets in), floating point on large ones.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

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
BENCHMARK(BM_FloatGaussJordanNoProtocol)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// Exact Gauss-Jordan without protocol on the largest matrices that stay in
// range: the arithmetic alone. Matrices that would overflow are skipped when
// the set is built, so every timed run completes.
//
// Unimodular: L * U with unit triangular factors of entries -1, 0, 1.
matrix<reel> unimodular(int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-1, 1);
    std::vector<std::int64_t> L(std::size_t(n) * n), U(std::size_t(n) * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            L[std::size_t(i) * n + j] = i == j ? 1 : (j < i ? d(rng) : 0);
            U[std::size_t(i) * n + j] = i == j ? 1 : (j > i ? d(rng) : 0);
        }
    matrix<reel> m(n, n, nullptr);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            std::int64_t s = 0;
            for (int k = 0; k < n; ++k) s += L[std::size_t(i) * n + k] * U[std::size_t(k) * n + j];
            m.at(i, j) = reel(std::int32_t(s));
        }
    return m;
}

// 0/1 entries with ones on the diagonal.
matrix<reel> unitDiagonal01(int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::bernoulli_distribution one(0.5);
    matrix<reel> m(n, n, nullptr);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m.at(i, j) = reel(i == j || one(rng) ? 1 : 0);
    return m;
}

template <class Make> std::vector<matrix<reel>> inRange(int n, Make make, std::size_t want) {
    std::vector<matrix<reel>> set;
    for (unsigned seed = 1; seed < 2000 && set.size() < want; ++seed) {
        matrix<reel> m = make(n, seed);
        try {
            matrix<reel> trial(m);
            trial.gaussJordan();
            set.push_back(m);
        } catch (const mylongint::overflow&) {
        }
    }
    return set;
}

template <class Make> void exactWithoutProtocol(benchmark::State& state, Make make) {
    const auto set = inRange(int(state.range(0)), make, 16);
    if (set.empty()) {
        state.SkipWithError("no matrix of this size stays in range");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        matrix<reel> m(set[i++ % set.size()]);
        state.ResumeTiming();
        m.gaussJordan();
        benchmark::DoNotOptimize(m.at(0, 0));
    }
    state.counters["matrices"] = double(set.size());
}

void BM_ExactGaussJordanUnimodular(benchmark::State& state) {
    exactWithoutProtocol(state, unimodular);
}
BENCHMARK(BM_ExactGaussJordanUnimodular)->Arg(28)->Unit(benchmark::kMicrosecond);

void BM_ExactGaussJordanUnitDiagonal01(benchmark::State& state) {
    exactWithoutProtocol(state, unitDiagonal01);
}
BENCHMARK(BM_ExactGaussJordanUnitDiagonal01)->Arg(28)->Unit(benchmark::kMicrosecond);

// The floor for a double Gauss-Jordan with protocol: the same arithmetic
// without protocol, plus writing each of the n + 1 snapshots once into freshly
// allocated memory (kept until the run ends, as the protocol keeps them).
void BM_FloatGaussJordanFloor(benchmark::State& state) {
    const int n = int(state.range(0));
    const std::size_t count = std::size_t(n) * n;
    for (auto _ : state) {
        state.PauseTiming();
        auto m = randomIntegers<double>(n, nullptr, 7);
        std::vector<std::unique_ptr<double[]>> copies;
        copies.reserve(std::size_t(n) + 1);
        state.ResumeTiming();
        m.gaussJordan();
        for (int k = 0; k <= n; ++k) {
            copies.push_back(std::make_unique_for_overwrite<double[]>(count));
            std::memcpy(copies.back().get(), &m.at(0, 0), count * sizeof(double));
        }
        benchmark::DoNotOptimize(copies.back()[count - 1]);
        state.PauseTiming();
        copies.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FloatGaussJordanFloor)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
