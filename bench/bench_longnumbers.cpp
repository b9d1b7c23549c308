// Which library carries exact fractions of any length: Gauss-Jordan without a
// protocol, in the program's own order (the first non-zero entry of a column
// as pivot, its row divided by it, every other row cleared), on the same
// random integer matrices of n rows and n + 1 columns with entries in
// [-9, 9], once with GMP's mpq_class and once with FLINT's fmpq; and FLINT's
// own fmpq_mat_rref_classical on them as the mark to meet (and its default
// fmpq_mat_rref, fraction-free, for comparison), and the program's own
// long fractions (matrix<longreel>::gaussJordan without a protocol, which
// takes FLINT's fraction-free way, and with one, step by step). Each
// run checks its result against FLINT's before it is timed.
// bench/sympy_rref.py times SymPy's rref on the same matrices.
#include <benchmark/benchmark.h>
#include <flint/fmpq_mat.h>
#include <gmpxx.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "matrix.h"
#include "protstream.h"

namespace {

// The matrices of bench/sympy_rref.py: a linear congruential sequence, so
// that both make the same ones without sharing a library.
std::vector<std::vector<int>> integers(int n) {
    std::uint32_t x = 20261209u + std::uint32_t(n);
    std::vector<std::vector<int>> a(std::size_t(n), std::vector<int>(std::size_t(n) + 1));
    for (auto& row : a)
        for (int& v : row) {
            x = (x * 1103515245u + 12345u) & 0x7fffffffu;
            v = int(x % 19) - 9;
        }
    return a;
}

using Gmp = std::vector<std::vector<mpq_class>>;

Gmp gmpMatrix(const std::vector<std::vector<int>>& a) {
    Gmp m;
    for (const auto& row : a) m.emplace_back(row.begin(), row.end());
    return m;
}

void gmpGaussJordan(Gmp& m) {
    const std::size_t rows = m.size(), cols = m[0].size();
    for (std::size_t r = 0, c = 0; r < rows && c < cols; ++c) {
        std::size_t p = r;
        while (p < rows && sgn(m[p][c]) == 0) ++p;
        if (p == rows) continue;
        std::swap(m[p], m[r]);
        const mpq_class pivot = m[r][c];
        for (std::size_t j = c; j < cols; ++j) m[r][j] /= pivot;
        for (std::size_t i = 0; i < rows; ++i) {
            if (i == r || sgn(m[i][c]) == 0) continue;
            const mpq_class f = m[i][c];
            for (std::size_t j = c; j < cols; ++j) m[i][j] -= f * m[r][j];
        }
        ++r;
    }
}

// An fmpq matrix that frees itself.
struct Flint {
    fmpq_mat_t m;
    explicit Flint(const std::vector<std::vector<int>>& a) {
        fmpq_mat_init(m, slong(a.size()), slong(a[0].size()));
        for (std::size_t i = 0; i < a.size(); ++i)
            for (std::size_t j = 0; j < a[i].size(); ++j)
                fmpq_set_si(fmpq_mat_entry(m, slong(i), slong(j)), a[i][j], 1);
    }
    ~Flint() { fmpq_mat_clear(m); }
    Flint(const Flint&) = delete;
    Flint& operator=(const Flint&) = delete;
};

void flintGaussJordan(fmpq_mat_t m) {
    const slong rows = fmpq_mat_nrows(m), cols = fmpq_mat_ncols(m);
    fmpq_t pivot, f;
    fmpq_init(pivot);
    fmpq_init(f);
    for (slong r = 0, c = 0; r < rows && c < cols; ++c) {
        slong p = r;
        while (p < rows && fmpq_is_zero(fmpq_mat_entry(m, p, c))) ++p;
        if (p == rows) continue;
        if (p != r) fmpq_mat_swap_rows(m, nullptr, p, r);
        fmpq_set(pivot, fmpq_mat_entry(m, r, c));
        for (slong j = c; j < cols; ++j)
            fmpq_div(fmpq_mat_entry(m, r, j), fmpq_mat_entry(m, r, j), pivot);
        for (slong i = 0; i < rows; ++i) {
            if (i == r || fmpq_is_zero(fmpq_mat_entry(m, i, c))) continue;
            fmpq_set(f, fmpq_mat_entry(m, i, c));
            for (slong j = c; j < cols; ++j)
                fmpq_submul(fmpq_mat_entry(m, i, j), f, fmpq_mat_entry(m, r, j));
        }
        ++r;
    }
    fmpq_clear(pivot);
    fmpq_clear(f);
}

// FLINT's reduced row echelon form of the matrix, the result every run must give.
struct Reference : Flint {
    explicit Reference(const std::vector<std::vector<int>>& a) : Flint(a) {
        Flint in(a);
        fmpq_mat_rref_classical(m, in.m);
    }
};

bool sameAs(const Gmp& g, const fmpq_mat_t ref) {
    fmpq_t x;
    fmpq_init(x);
    bool same = true;
    for (std::size_t i = 0; i < g.size() && same; ++i)
        for (std::size_t j = 0; j < g[i].size() && same; ++j) {
            fmpq_set_mpq(x, g[i][j].get_mpq_t());
            same = fmpq_equal(x, fmpq_mat_entry(ref, slong(i), slong(j)));
        }
    fmpq_clear(x);
    return same;
}

void BM_GmpGaussJordan(benchmark::State& state) {
    const auto a = integers(int(state.range(0)));
    Gmp check = gmpMatrix(a);
    gmpGaussJordan(check);
    if (!sameAs(check, Reference(a).m)) state.SkipWithError("other result than FLINT's");
    for (auto _ : state) {
        Gmp m = gmpMatrix(a);
        gmpGaussJordan(m);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_GmpGaussJordan)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_FlintGaussJordan(benchmark::State& state) {
    const auto a = integers(int(state.range(0)));
    Flint check(a);
    flintGaussJordan(check.m);
    if (!fmpq_mat_equal(check.m, Reference(a).m)) state.SkipWithError("other result than FLINT's");
    for (auto _ : state) {
        Flint m(a);
        flintGaussJordan(m.m);
        benchmark::DoNotOptimize(m.m);
    }
}
BENCHMARK(BM_FlintGaussJordan)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

// One of FLINT's own: rref_classical, the mark to meet, or rref, its choice of
// method (fraction-free over the integers for these), for comparison.
template <slong (*rref)(fmpq_mat_t, const fmpq_mat_t)> void BM_FlintRref(benchmark::State& state) {
    const auto a = integers(int(state.range(0)));
    for (auto _ : state) {
        Flint in(a), out(a);
        benchmark::DoNotOptimize(rref(out.m, in.m));
    }
}
BENCHMARK(BM_FlintRref<fmpq_mat_rref_classical>)
    ->Name("BM_FlintRrefClassical")
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlintRref<fmpq_mat_rref>)
    ->Name("BM_FlintRref")
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Unit(benchmark::kMillisecond);

matrix<longreel> longMatrix(const std::vector<std::vector<int>>& a) {
    matrix<longreel> m(std::int32_t(a.size()), std::int32_t(a[0].size()));
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a[i].size(); ++j)
            m.at(std::int32_t(i), std::int32_t(j)) = longreel(a[i][j]);
    return m;
}

void BM_LongGaussJordan(benchmark::State& state) {
    const auto a = integers(int(state.range(0)));
    matrix<longreel> check = longMatrix(a);
    check.gaussJordan();
    const Reference ref(a);
    for (std::int32_t i = 0; i < check.rows(); ++i)
        for (std::int32_t j = 0; j < check.cols(); ++j)
            if (!fmpq_equal(check.at(i, j).get(), fmpq_mat_entry(ref.m, i, j)))
                state.SkipWithError("other result than FLINT's");
    for (auto _ : state) {
        matrix<longreel> m = longMatrix(a);
        m.gaussJordan();
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_LongGaussJordan)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

// The same with every step and snapshot in a protocol, as the desktop runs it.
void BM_LongGaussJordanWithProtocol(benchmark::State& state) {
    const auto a = integers(int(state.range(0)));
    protstream p;
    for (auto _ : state) {
        p.clear();
        matrix<longreel> m = longMatrix(a);
        m.prot = &p;
        m.gaussJordan();
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_LongGaussJordanWithProtocol)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace
