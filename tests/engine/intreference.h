// An independent reference for the elimination tests: random small integer
// matrices, their rank and determinant in 64-bit integers, and exact rationals
// on 128 bits to check results of exact matrices without reel arithmetic.
#pragma once
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "matrix.h"

namespace intreference {

using IntMatrix = std::vector<std::vector<std::int64_t>>;

// Entries in [-5, 5]. Variant 1 makes about half the entries zero; variant 2
// copies (or negates) one row into another and one column into another, so
// that rank-deficient cases come up often while entries stay in range.
inline IntMatrix randomInts(std::mt19937& g, int rows, int cols, int variant) {
    std::uniform_int_distribution<int> entry(-5, 5);
    std::uniform_int_distribution<int> coin(0, 1);
    IntMatrix a(static_cast<std::size_t>(rows),
                std::vector<std::int64_t>(static_cast<std::size_t>(cols)));
    for (auto& row : a)
        for (auto& x : row)
            x = (variant == 1 && coin(g)) ? 0 : entry(g);
    if (variant == 2) {
        std::uniform_int_distribution<int> pickRow(0, rows - 1), pickCol(0, cols - 1);
        const int sign = coin(g) ? 1 : -1;
        if (rows > 1) {
            const int from = pickRow(g), to = pickRow(g);
            for (int c = 0; c < cols; ++c)
                a[to][c] = sign * a[from][c];
        }
        if (cols > 1) {
            const int from = pickCol(g), to = pickCol(g);
            for (int r = 0; r < rows; ++r)
                a[r][to] = sign * a[r][from];
        }
    }
    return a;
}

template <class T> matrix<T> toMatrix(const IntMatrix& a, protstream* p = nullptr) {
    const auto rows = std::int32_t(a.size());
    const auto cols = rows ? std::int32_t(a[0].size()) : 0;
    matrix<T> m(rows, cols, p);
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols; ++c)
            m.at(r, c) = T(std::int32_t(a[r][c]));
    return m;
}

// Laplace expansion along the first row of the leading n x n block.
inline std::int64_t cofactorDeterminant(const IntMatrix& a, int n) {
    if (n == 0) return 1;
    if (n == 1) return a[0][0];
    std::int64_t d = 0;
    for (int j = 0; j < n; ++j) {
        IntMatrix minor;
        for (int r = 1; r < n; ++r) {
            std::vector<std::int64_t> row;
            for (int c = 0; c < n; ++c)
                if (c != j) row.push_back(a[r][c]);
            minor.push_back(row);
        }
        const std::int64_t term = a[0][j] * cofactorDeterminant(minor, n - 1);
        d += (j % 2 == 0) ? term : -term;
    }
    return d;
}

// Fraction-free (Bareiss) elimination; every intermediate value is a minor.
inline int bareissRank(IntMatrix a) {
    const int rows = int(a.size());
    const int cols = rows ? int(a[0].size()) : 0;
    std::int64_t prev = 1;
    int rank = 0;
    for (int c = 0; c < cols && rank < rows; ++c) {
        int p = rank;
        while (p < rows && a[p][c] == 0)
            ++p;
        if (p == rows) continue;
        std::swap(a[p], a[rank]);
        for (int i = rank + 1; i < rows; ++i) {
            for (int j = c + 1; j < cols; ++j)
                a[i][j] = (a[rank][c] * a[i][j] - a[i][c] * a[rank][j]) / prev;
            a[i][c] = 0;
        }
        prev = a[rank][c];
        ++rank;
    }
    return rank;
}

// Columns first .. first+count-1 of a.
inline IntMatrix columns(const IntMatrix& a, int first, int count) {
    IntMatrix b;
    for (const auto& row : a)
        b.emplace_back(row.begin() + first, row.begin() + first + count);
    return b;
}

// An exact rational on 128 bits, always reduced, denominator positive.
struct Rat {
    __int128 n = 0;
    __int128 d = 1;

    Rat() = default;
    Rat(std::int64_t v) : n(v) {}
    Rat(__int128 num, __int128 den) : n(num), d(den) { reduce(); }
    explicit Rat(const reel& x) : n(__int128(x.whole) * x.den + x.num), d(x.den) { reduce(); }

    void reduce() {
        if (d < 0) {
            n = -n;
            d = -d;
        }
        __int128 a = n < 0 ? -n : n, b = d;
        while (b != 0) {
            const __int128 t = a % b;
            a = b;
            b = t;
        }
        if (a > 1) {
            n /= a;
            d /= a;
        }
    }
    friend Rat operator+(const Rat& x, const Rat& y) {
        return Rat(x.n * y.d + y.n * x.d, x.d * y.d);
    }
    friend Rat operator*(const Rat& x, const Rat& y) { return Rat(x.n * y.n, x.d * y.d); }
    friend bool operator==(const Rat& x, const Rat& y) { return x.n == y.n && x.d == y.d; }
};

// Row r of a times column c of x, exactly.
inline Rat rowTimesColumn(const IntMatrix& a, int r, const matrix<reel>& x, int c, int len) {
    Rat s;
    for (int k = 0; k < len; ++k)
        s = s + Rat(a[r][k]) * Rat(x.at(k, c));
    return s;
}

} // namespace intreference
