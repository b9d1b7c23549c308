// Gauss and Gauss-Jordan elimination, pivot columns, the general solution and
// the determinant, checked by identities on random small integer matrices.
// The worked examples with their protocols are data cases in tests/data.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "matrixbuild.h"
#include "mylongint.h"

using namespace matrixbuild;

namespace {

// Leading column of every row (-1 for a zero row).
template <class T> std::vector<int> leadingColumns(const matrix<T>& m) {
    std::vector<int> lead;
    for (int r = 0; r < m.rows(); ++r) {
        int c = 0;
        while (c < m.cols() && entrySign(m.at(r, c)) == 0)
            ++c;
        lead.push_back(c < m.cols() ? c : -1);
    }
    return lead;
}

// Leading columns strictly increase and zero rows are at the bottom.
template <class T>::testing::AssertionResult isEchelon(const matrix<T>& m) {
    int last = -1;
    bool zeroSeen = false;
    const auto lead = leadingColumns(m);
    for (int r = 0; r < int(lead.size()); ++r) {
        if (lead[r] < 0) {
            zeroSeen = true;
            continue;
        }
        if (zeroSeen || lead[r] <= last)
            return ::testing::AssertionFailure() << "row " << r << " breaks the echelon form\n"
                                                 << shown(m);
        last = lead[r];
    }
    return ::testing::AssertionSuccess();
}

// Echelon form whose leading entries are exactly one and alone in their column.
template <class T>::testing::AssertionResult isReducedEchelon(const matrix<T>& m) {
    if (auto e = isEchelon(m); !e) return e;
    const auto lead = leadingColumns(m);
    for (int r = 0; r < int(lead.size()); ++r) {
        if (lead[r] < 0) continue;
        if (!entryIsOne(m.at(r, lead[r])))
            return ::testing::AssertionFailure() << "leading entry of row " << r << " is not one\n"
                                                 << shown(m);
        for (int i = 0; i < m.rows(); ++i)
            if (i != r && entrySign(m.at(i, lead[r])) != 0)
                return ::testing::AssertionFailure()
                       << "column " << lead[r] << " has a second non-zero entry\n"
                       << shown(m);
    }
    return ::testing::AssertionSuccess();
}

} // namespace

// Pivot columns are read from the bottom up; leading entries need not be one,
// and a matrix that is no echelon form has none.
TEST(GaussPivotColumns, LeadingEntriesFromTheBottomUp) {
    const sets s = mat<reel>(3, 5, {2, 1, 0, 3, 1, 0, 0, 5, 1, 0, 0, 0, 0, 0, 0}).pivotColumns();
    EXPECT_EQ(s.count(), 2);
    EXPECT_TRUE(s.test(0) && s.test(2));
    EXPECT_TRUE(mat<double>(1, 3, {0, 0, 5}).pivotColumns().test(2));
    EXPECT_EQ(mat<reel>(2, 3, {}).pivotColumns().size(), 3);
    EXPECT_EQ(mat<reel>(2, 2, {0, 1, 1, 0}).pivotColumns().count(), 0);
    EXPECT_EQ(mat<double>(3, 2, {1, 1, 1, 0, 0, 0}).pivotColumns().count(), 0);
}

TEST(GaussExact, OverflowLeavesThePartlyEliminatedMatrix) {
    auto a = mat<reel>(2, 2, {1, 2147483647, 2, 1});
    EXPECT_THROW(a.gauss(), mylongint::overflow);
    EXPECT_EQ(a.at(1, 0).sign(), 0); // already cleared before the failing entry
}

// --- identities on random integer matrices ------------------------------

TEST(EliminationRandom, ExactGaussJordanIsReducedWithTheRankAsPivots) {
    RandomCases rc(20240611);
    for (int n = 0; n < 400; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        auto m = toMatrix<reel>(a);
        try {
            m.gaussJordan();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        ASSERT_TRUE(isReducedEchelon(m));
        const auto lead = leadingColumns(m);
        const sets s = m.pivotColumns();
        int pivots = 0;
        for (int c : lead)
            if (c >= 0) {
                ++pivots;
                EXPECT_TRUE(s.test(c));
            }
        EXPECT_EQ(s.count(), pivots);
        EXPECT_EQ(pivots, bareissRank(a));
    }
}

TEST(EliminationRandom, DoubleGaussJordanIsReducedEvenWithResidues) {
    // Exact ones and zeros are set by the algorithm itself, rounding or not.
    RandomCases rc(77);
    for (int n = 0; n < 400; ++n) {
        auto m = toMatrix<double>(rc.next(rc.uniform(1, 5), rc.uniform(1, 6)));
        m.gaussJordan();
        ASSERT_TRUE(isReducedEchelon(m));
    }
}

TEST(EliminationRandom, GaussGivesEchelonFormOfTheRank) {
    RandomCases rc(4711);
    for (int n = 0; n < 400; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        auto m = toMatrix<reel>(a);
        auto f = toMatrix<double>(a);
        f.gauss();
        ASSERT_TRUE(isEchelon(f));
        try {
            m.gauss();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        ASSERT_TRUE(isEchelon(m));
        int nonzero = 0;
        for (int c : leadingColumns(m))
            nonzero += c >= 0;
        EXPECT_EQ(nonzero, bareissRank(a));
        EXPECT_EQ(m.pivotColumns().count(), nonzero);
    }
}

TEST(DeterminanteRandom, EqualsTheCofactorExpansion) {
    RandomCases rc(1234);
    int nonzero = 0;
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size + rc.uniform(0, 1));
        const std::int64_t expected = cofactorDeterminant(a, size);
        nonzero += expected != 0;
        const auto f = toMatrix<double>(a).determinante();
        ASSERT_EQ(f.rows(), 1);
        EXPECT_NEAR(f.at(0, 0), double(expected), 1e-9 * (1.0 + std::fabs(double(expected))));
        try {
            const auto d = toMatrix<reel>(a).determinante();
            ASSERT_EQ(d.rows(), 1);
            ASSERT_EQ(d.cols(), 1);
            EXPECT_TRUE(d.at(0, 0).sameFields(reel(std::int32_t(expected))))
                << shown(d) << " expected " << expected;
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
        }
    }
    EXPECT_GT(nonzero, 100);
}

TEST(LoesungRandom, SolutionsSolveTheSystemOrNoneExists) {
    RandomCases rc(99);
    int solvable = 0, unsolvable = 0, withFreeUnknowns = 0;
    for (int n = 0; n < 400; ++n) {
        const int rows = rc.uniform(1, 5);
        const int unknowns = rc.uniform(1, 5);
        IntMatrix a = rc.next(rows, unknowns + 1);
        // The right-hand side: as drawn, a (negated) column of A, or zero;
        // the last three always give a solvable system.
        const int how = rc.uniform(0, 3);
        const int col = rc.uniform(0, unknowns - 1);
        for (auto& row : a) {
            if (how == 1) row[unknowns] = row[col];
            if (how == 2) row[unknowns] = -row[col];
            if (how == 3) row[unknowns] = 0;
        }
        const int rankA = bareissRank(columns(a, 0, unknowns));
        const int rankAb = bareissRank(a);
        auto m = toMatrix<reel>(a);
        matrix<reel> x;
        try {
            m.gaussJordan();
            x = m.loesung();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        if (rankA < rankAb) {
            ++unsolvable;
            EXPECT_TRUE(x.isEmpty());
            continue;
        }
        ++solvable;
        ASSERT_EQ(x.rows(), unknowns);
        ASSERT_EQ(x.cols(), 1 + unknowns - rankA);
        withFreeUnknowns += x.cols() > 1;
        for (int r = 0; r < rows; ++r) {
            EXPECT_TRUE(rowTimesColumn(a, r, x, 0, unknowns) == Rat(a[r][unknowns]));
            for (int t = 1; t < x.cols(); ++t)
                EXPECT_TRUE(rowTimesColumn(a, r, x, t, unknowns) == Rat(0));
        }
    }
    EXPECT_GT(solvable, 100);
    EXPECT_GT(unsolvable, 20);
    EXPECT_GT(withFreeUnknowns, 50);
}
