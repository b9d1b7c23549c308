// Gauss and Gauss-Jordan elimination, pivot columns, the general solution,
// the determinant and the arithmetic, checked by identities on random small
// integer matrices. The worked examples with their protocols are data cases
// in tests/data.
#include <gtest/gtest.h>

#include <cmath>

#include "matrixbuild.h"

using namespace matrixbuild;

namespace {

// Leading column of every row (-1 for a zero row).
template <class T> std::vector<int> leadingColumns(const matrix<T>& m) {
    std::vector<int> lead;
    for (int r = 0; r < m.rows(); ++r) {
        int c = 0;
        while (c < m.cols() && entrySign(m.at(r, c)) == 0) ++c;
        lead.push_back(c < m.cols() ? c : -1);
    }
    return lead;
}

// Echelon form: leading columns increase, zero rows at the bottom; reduced:
// leading entries are exactly one and alone in their column. Gives the
// number of non-zero rows.
template <class T> int echelonRows(const matrix<T>& m, bool reduced) {
    const auto lead = leadingColumns(m);
    int last = -1, nonzero = 0;
    for (int r = 0; r < int(lead.size()); ++r) {
        if (lead[r] < 0) continue;
        EXPECT_TRUE(nonzero == r && lead[r] > last) << "row " << r << "\n" << shown(m);
        last = lead[r];
        ++nonzero;
        for (int i = 0; reduced && i < m.rows(); ++i)
            EXPECT_TRUE(i == r ? entryIsOne(m.at(i, last)) : entrySign(m.at(i, last)) == 0)
                << "column " << last << "\n"
                << shown(m);
    }
    return nonzero;
}

} // namespace

TEST(EliminationRandom, EchelonFormsOfTheRankWithTheirPivotColumns) {
    RandomCases rc(20240611);
    for (int n = 0; n < 400; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        const int rank = bareissRank(a);
        auto g = toMatrix<reel>(a), gj = g;
        auto f = toMatrix<double>(a), fj = f;
        // Doubles too: exact ones and zeros are set by the algorithm itself.
        f.gauss();
        fj.gaussJordan();
        echelonRows(f, false);
        echelonRows(fj, true);
        if (!rc.exact([&] { g.gauss(), gj.gaussJordan(); })) continue;
        EXPECT_EQ(echelonRows(g, false), rank);
        EXPECT_EQ(echelonRows(gj, true), rank);
        EXPECT_EQ(g.pivotColumns().count(), rank);
        const sets s = gj.pivotColumns();
        EXPECT_EQ(s.count(), rank);
        for (int c : leadingColumns(gj)) EXPECT_TRUE(c < 0 || s.test(c));
    }
    // A matrix that is no echelon form has no pivot columns.
    EXPECT_EQ(mat<reel>(2, 2, {0, 1, 1, 0}).pivotColumns().count(), 0);
    EXPECT_EQ(mat<double>(3, 2, {1, 1, 1, 0, 0, 0}).pivotColumns().count(), 0);
}

// The determinant of the leading square, for n x n and n x (n+1); and
// det(A B) = det A det B through the product.
TEST(DeterminanteRandom, EqualsTheIntegerOneAndMultiplies) {
    RandomCases rc(1234);
    int nonzero = 0;
    auto det = [](auto m) { return m.determinante().at(0, 0); };
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size + rc.uniform(0, 1)), b = rc.next(size, size);
        const std::int64_t expected = bareiss(columns(a, 0, size)).det;
        nonzero += expected != 0;
        EXPECT_NEAR(det(toMatrix<double>(a)), double(expected), 1e-9 * (1.0 + std::fabs(expected)));
        rc.exact([&] {
            const auto d = toMatrix<reel>(a).determinante();
            ASSERT_EQ(d.rows() * d.cols(), 1);
            EXPECT_TRUE(d.at(0, 0).sameFields(reel(std::int32_t(expected)))) << shown(d);
            auto ab = toMatrix<reel>(columns(a, 0, size));
            ab.multiply(toMatrix<reel>(b));
            EXPECT_TRUE(det(ab).sameFields(reel(std::int32_t(expected * bareiss(b).det))));
        });
    }
    EXPECT_GT(nonzero, 100);
}

TEST(ArithmeticRandom, AgreesWithIntegerArithmetic) {
    RandomCases rc(42);
    for (int n = 0; n < 200; ++n) {
        const int m = rc.uniform(1, 5), k = rc.uniform(1, 6);
        const IntMatrix a = rc.next(m, k), b = rc.next(k, m), d = rc.next(m, k);
        IntMatrix product(m, std::vector<std::int64_t>(m)), sum = a, difference = a;
        for (int i = 0; i < m; ++i)
            for (int l = 0; l < k; ++l) {
                for (int j = 0; j < m; ++j) product[i][j] += a[i][l] * b[l][j];
                sum[i][l] += d[i][l];
                difference[i][l] -= d[i][l];
            }
        auto check = [&](auto zero) {
            using T = decltype(zero);
            auto x = toMatrix<T>(a), y = x, z = x;
            x.multiply(toMatrix<T>(b));
            y.add(toMatrix<T>(d));
            z.subtract(toMatrix<T>(d));
            EXPECT_EQ(shown(x), shown(toMatrix<T>(product)));
            EXPECT_EQ(shown(y), shown(toMatrix<T>(sum)));
            EXPECT_EQ(shown(z), shown(toMatrix<T>(difference)));
        };
        check(reel());
        check(0.0);
    }
}

TEST(LoesungRandom, SolutionsSolveTheSystemOrNoneExists) {
    RandomCases rc(99);
    int solvable = 0, unsolvable = 0, withFreeUnknowns = 0;
    for (int n = 0; n < 400; ++n) {
        const int rows = rc.uniform(1, 5), unknowns = rc.uniform(1, 5);
        IntMatrix a = rc.next(rows, unknowns + 1);
        // The right-hand side: as drawn, a (negated) column of A, or zero;
        // the last three always give a solvable system.
        const int how = rc.uniform(0, 3), col = rc.uniform(0, unknowns - 1);
        for (auto& row : a)
            if (how > 0) row[unknowns] = how == 1 ? row[col] : how == 2 ? -row[col] : 0;
        const int rankA = bareissRank(columns(a, 0, unknowns)), rankAb = bareissRank(a);
        auto m = toMatrix<reel>(a);
        matrix<reel> x;
        if (!rc.exact([&] { m.gaussJordan(), x = m.loesung(); })) continue;
        if (rankA < rankAb) {
            ++unsolvable;
            EXPECT_TRUE(x.isEmpty());
            continue;
        }
        ++solvable;
        ASSERT_EQ(x.rows(), unknowns);
        ASSERT_EQ(x.cols(), 1 + unknowns - rankA);
        withFreeUnknowns += x.cols() > 1;
        for (int r = 0; r < rows; ++r)
            for (int t = 0; t < x.cols(); ++t)
                EXPECT_TRUE(rowTimesColumn(a, r, x, t, unknowns) == Rat(t ? 0 : a[r][unknowns]));
    }
    EXPECT_GT(solvable, 100);
    EXPECT_GT(unsolvable, 20);
    EXPECT_GT(withFreeUnknowns, 50);
}
