// Writing and reading a 999 x 999 matrix file of each number type.
#include <benchmark/benchmark.h>

#include <random>

#include "matrixfile.h"
#include "matrixfloat.h"
#include "matrixreel.h"

namespace {

MatrixReel exactMatrix() {
    MatrixReel m(999, 999, nullptr);
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> d(-999, 999), den(1, 99);
    for (int r = 0; r < 999; ++r)
        for (int c = 0; c < 999; ++c) m.at(r, c) = reel(d(rng), den(rng));
    return m;
}

MatrixFloat floatMatrix() {
    MatrixFloat m(999, 999, nullptr);
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> d(-1000, 1000);
    for (int r = 0; r < 999; ++r)
        for (int c = 0; c < 999; ++c) m.at(r, c) = d(rng);
    return m;
}

template <class Doc> void BM_Write999(benchmark::State& state, const Doc& m) {
    std::size_t bytes = 0;
    for (auto _ : state) bytes = MatrixFile::text(m, {}).size();
    state.SetBytesProcessed(std::int64_t(bytes) * state.iterations());
}

template <class Doc> void BM_Read999(benchmark::State& state, const Doc& m) {
    const std::string text = MatrixFile::text(m, {});
    for (auto _ : state) benchmark::DoNotOptimize(MatrixFile::parse(text));
    state.SetBytesProcessed(std::int64_t(text.size()) * state.iterations());
}

void BM_WriteExact(benchmark::State& s) { BM_Write999(s, exactMatrix()); }
void BM_ReadExact(benchmark::State& s) { BM_Read999(s, exactMatrix()); }
void BM_WriteFloat(benchmark::State& s) { BM_Write999(s, floatMatrix()); }
void BM_ReadFloat(benchmark::State& s) { BM_Read999(s, floatMatrix()); }
BENCHMARK(BM_WriteExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFloat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFloat)->Unit(benchmark::kMillisecond);

} // namespace
