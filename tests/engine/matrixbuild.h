// Small matrices of either entry type, comparing them, reading a protocol
// back, and an independent reference on random small integer matrices: rank
// and determinant by fraction-free elimination in 64-bit integers, exact
// rationals (Rat) to check exact results without reel arithmetic.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "matrix.h"
#include "mylongint.h"
#include "protstream.h"
#include "protstring.h"
#include "rat.h"

namespace matrixbuild {

// A rows x cols matrix from row-major integers (exact for both entry types).
template <class T>
matrix<T> mat(std::int32_t rows, std::int32_t cols, const std::vector<int>& v,
              protstream* p = nullptr) {
    matrix<T> m(rows, cols, p);
    for (std::size_t k = 0; k < v.size() && k < std::size_t(rows) * cols; ++k)
        m.at(std::int32_t(k) / cols, std::int32_t(k) % cols) = T(v[k]);
    return m;
}

// The snapshot text of a matrix: entries with a tab after each, a newline per row.
template <class T> std::string shown(const matrix<T>& m) {
    std::ostringstream os;
    m.writeEntries(os);
    return os.str();
}

// Everything the protocol writes.
inline std::string written(const protstream& p) {
    std::ostringstream os;
    p.write(os);
    return os.str();
}

// The text lines of a protocol, in order.
inline std::vector<std::string> lines(const protstream& p) {
    std::vector<std::string> out;
    for (const auto& r : p.records())
        if (const auto* s = dynamic_cast<const protstring*>(r.get())) out.push_back(s->text);
    return out;
}

// --- the integer reference ---------------------------------------------

using IntMatrix = std::vector<std::vector<std::int64_t>>;

template <class T> matrix<T> toMatrix(const IntMatrix& a, protstream* p = nullptr) {
    const auto rows = std::int32_t(a.size()), cols = rows ? std::int32_t(a[0].size()) : 0;
    matrix<T> m(rows, cols, p);
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols; ++c) m.at(r, c) = T(std::int32_t(a[r][c]));
    return m;
}

// Columns first .. first+count-1 of a.
inline IntMatrix columns(const IntMatrix& a, int first, int count) {
    IntMatrix b;
    for (const auto& row : a) b.emplace_back(row.begin() + first, row.begin() + first + count);
    return b;
}

// Fraction-free (Bareiss) elimination, every intermediate value a minor: the
// rank, and the determinant of a square matrix.
struct RankDet {
    int rank = 0;
    std::int64_t det = 0;
};
inline RankDet bareiss(IntMatrix a) {
    const int rows = int(a.size()), cols = rows ? int(a[0].size()) : 0;
    std::int64_t prev = 1, sign = 1;
    int rank = 0;
    for (int c = 0; c < cols && rank < rows; ++c) {
        int p = rank;
        while (p < rows && a[p][c] == 0) ++p;
        if (p == rows) continue;
        if (p != rank) sign = -sign;
        std::swap(a[p], a[rank]);
        for (int i = rank + 1; i < rows; ++i) {
            for (int j = c + 1; j < cols; ++j)
                a[i][j] = (a[rank][c] * a[i][j] - a[i][c] * a[rank][j]) / prev;
            a[i][c] = 0;
        }
        prev = a[rank][c];
        ++rank;
    }
    return {rank, rank == rows && rank == cols ? (rows ? sign * prev : 1) : 0};
}
inline int bareissRank(const IntMatrix& a) { return bareiss(a).rank; }

// Row r of a times column c of x, exactly.
inline Rat rowTimesColumn(const IntMatrix& a, int r, const matrix<reel>& x, int c, int len) {
    Rat s;
    for (int k = 0; k < len; ++k) s = s + Rat(a[r][k]) * Rat(x.at(k, c));
    return s;
}

// Random cases whose overflows are skipped, as long as most are exercised.
struct RandomCases {
    std::mt19937 gen;
    int cases = 0, overflows = 0;
    explicit RandomCases(unsigned seed) : gen(seed) {}
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); }
    // Entries in [-5, 5]. One in three has about half its entries zero; one
    // in three copies (or negates) one row into another and one column into
    // another, so that rank-deficient cases come up often.
    IntMatrix next(int rows, int cols) {
        ++cases;
        const int variant = uniform(0, 2);
        IntMatrix a(std::size_t(rows), std::vector<std::int64_t>(std::size_t(cols), 0));
        for (auto& row : a)
            for (auto& x : row) x = variant == 1 && uniform(0, 1) ? 0 : uniform(-5, 5);
        if (variant == 2) {
            const int sign = uniform(0, 1) ? 1 : -1, r0 = uniform(0, rows - 1),
                      r1 = uniform(0, rows - 1);
            const int c0 = uniform(0, cols - 1), c1 = uniform(0, cols - 1);
            for (int c = 0; c < cols; ++c) a[r1][c] = sign * a[r0][c];
            for (int r = 0; r < rows; ++r) a[r][c1] = sign * a[r][c0];
        }
        return a;
    }
    // Runs f, counting an overflow of exact arithmetic; false when one came.
    template <class F> bool exact(F f) {
        try {
            f();
            return true;
        } catch (const mylongint::overflow&) {
            ++overflows;
            return false;
        }
    }
    ~RandomCases() {
        EXPECT_LT(overflows * 10, cases) << overflows << " of " << cases << " overflowed";
    }
};

} // namespace matrixbuild
