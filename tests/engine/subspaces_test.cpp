// Inverse, image, kernel and least-squares solution, checked by identities on
// random small integer matrices. The worked examples with their protocols are
// data cases in tests/data.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "matrixbuild.h"
#include "mylongint.h"

using namespace matrixbuild;

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Exact integer entries of an exact matrix known to hold integers.
IntMatrix toInts(const matrix<reel>& m) {
    IntMatrix a(static_cast<std::size_t>(m.rows()),
                std::vector<std::int64_t>(static_cast<std::size_t>(m.cols())));
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c) {
            EXPECT_EQ(m.at(r, c).num, 0);
            a[r][c] = m.at(r, c).whole;
        }
    return a;
}

// The double result is the exact one up to rounding.
::testing::AssertionResult closeTo(const matrix<double>& d, const matrix<reel>& e) {
    if (d.rows() != e.rows() || d.cols() != e.cols())
        return ::testing::AssertionFailure() << "shapes differ";
    for (int r = 0; r < d.rows(); ++r)
        for (int c = 0; c < d.cols(); ++c) {
            const double x = double(e.at(r, c));
            if (std::fabs(d.at(r, c) - x) > 1e-9 * (1.0 + std::fabs(x)))
                return ::testing::AssertionFailure()
                       << "entry " << r << "," << c << ": " << d.at(r, c) << " vs " << x;
        }
    return ::testing::AssertionSuccess();
}

} // namespace

// --- identities on random integer matrices ------------------------------

TEST(InverseRandom, ProductWithTheInverseIsTheIdentity) {
    RandomCases rc(31337);
    int invertible = 0, singular = 0, doubleAgrees = 0;
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size);
        const bool regular = cofactorDeterminant(a, size) != 0;
        protstream p;
        matrix<reel> inv;
        try {
            inv = toMatrix<reel>(a, &p).inverse();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        if (!regular) {
            ++singular;
            EXPECT_TRUE(inv.isEmpty());
            EXPECT_TRUE(endsWith(written(p), "\nMatrix ist nicht inventierbar\n"));
            continue;
        }
        ++invertible;
        ASSERT_EQ(inv.rows(), size);
        ASSERT_EQ(inv.cols(), size);
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c)
                EXPECT_TRUE(rowTimesColumn(a, r, inv, c, size) ==
                            Rat(r == c ? 1 : 0));
        doubleAgrees += bool(closeTo(toMatrix<double>(a).inverse(), inv));
    }
    EXPECT_GT(invertible, 100);
    EXPECT_GT(singular, 50);
    EXPECT_EQ(doubleAgrees, invertible);
}

TEST(KernRandom, KernelAndImageFitTogether) {
    RandomCases rc(2718);
    int nullVectors = 0, withKernel = 0;
    for (int n = 0; n < 400; ++n) {
        const int rows = rc.uniform(1, 5), cols = rc.uniform(1, 6);
        const IntMatrix a = rc.next(rows, cols);
        const int rank = bareissRank(a);
        protstream p;
        matrix<reel> k, b;
        std::string kernText;
        try {
            k = toMatrix<reel>(a, &p).kern();
            kernText = written(p);
            b = toMatrix<reel>(a).bild();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        ASSERT_EQ(k.rows(), cols);

        // Image: input columns in increasing order, independent, as many as the rank.
        ASSERT_EQ(b.rows(), rows);
        ASSERT_EQ(b.cols(), rank);
        const IntMatrix bi = toInts(b);
        int from = 0;
        for (int t = 0; t < b.cols(); ++t) {
            bool found = false;
            for (; !found && from < cols; ++from) {
                found = true;
                for (int r = 0; r < rows; ++r)
                    found = found && a[r][from] == bi[r][t];
            }
            EXPECT_TRUE(found) << "image column " << t << " is no later input column";
        }
        EXPECT_EQ(bareissRank(bi), rank);

        // Kernel: A K = 0, one unit row per free unknown, dimension cols - rank.
        if (rank == cols) {
            ++nullVectors;
            ASSERT_EQ(k.cols(), 1);
            for (int r = 0; r < cols; ++r)
                EXPECT_EQ(k.at(r, 0).sign(), 0);
            EXPECT_TRUE(endsWith(kernText, "Kern von Matrix ist Nullvektor\n" + shown(k)));
            continue;
        }
        ++withKernel;
        ASSERT_EQ(k.cols(), cols - rank);
        EXPECT_EQ(b.cols() + k.cols(), cols);
        for (int r = 0; r < rows; ++r)
            for (int t = 0; t < k.cols(); ++t)
                EXPECT_TRUE(rowTimesColumn(a, r, k, t, cols) == Rat(0));
        // Column j is free when it does not raise the rank of the columns before it.
        std::vector<int> freeUnknowns;
        for (int j = 0; j < cols; ++j)
            if (bareissRank(columns(a, 0, j + 1)) ==
                bareissRank(columns(a, 0, j)))
                freeUnknowns.push_back(j);
        ASSERT_EQ(int(freeUnknowns.size()), k.cols());
        for (int t = 0; t < k.cols(); ++t)
            for (int u = 0; u < k.cols(); ++u) {
                const reel& x = k.at(freeUnknowns[u], t);
                EXPECT_TRUE(u == t ? entryIsOne(x) : x.sign() == 0)
                    << "column " << t << ", free row " << freeUnknowns[u];
            }
        EXPECT_TRUE(endsWith(kernText, "Kern von Matrix\n" + shown(k)));
    }
    EXPECT_GT(nullVectors, 30);
    EXPECT_GT(withKernel, 100);
}

TEST(NaehrungsloesungRandom, SolvesTheNormalEquations) {
    RandomCases rc(8080);
    int unique = 0, withFree = 0;
    for (int n = 0; n < 300; ++n) {
        const int rows = rc.uniform(2, 5);
        const int unknowns = rc.uniform(1, rows - 1);
        const IntMatrix a = rc.next(rows, unknowns + 1);
        matrix<reel> x;
        try {
            auto m = toMatrix<reel>(a);
            x = m.naehrungsloesung();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        // The normal equations are always solvable.
        ASSERT_EQ(x.rows(), unknowns);
        const int rank = bareissRank(columns(a, 0, unknowns));
        ASSERT_EQ(x.cols(), 1 + unknowns - rank);
        (x.cols() == 1 ? unique : withFree)++;
        // A^T (A x0 - b) = 0 and A xt = 0.
        std::vector<Rat> residual;
        for (int r = 0; r < rows; ++r)
            residual.push_back(rowTimesColumn(a, r, x, 0, unknowns) +
                               Rat(-a[r][unknowns]));
        for (int j = 0; j < unknowns; ++j) {
            Rat s;
            for (int r = 0; r < rows; ++r)
                s = s + Rat(a[r][j]) * residual[r];
            EXPECT_TRUE(s == Rat(0)) << "normal equation " << j;
        }
        for (int t = 1; t < x.cols(); ++t)
            for (int r = 0; r < rows; ++r)
                EXPECT_TRUE(rowTimesColumn(a, r, x, t, unknowns) == Rat(0));
    }
    EXPECT_GT(unique, 100);
    EXPECT_GT(withFree, 10);
}

TEST(KernRandom, DoubleMatchesExactWhereNoResidueArises) {
    RandomCases rc(555);
    int compared = 0, agreeing = 0;
    for (int n = 0; n < 300; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        matrix<reel> exact;
        try {
            exact = toMatrix<reel>(a).kern();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        const auto approx = toMatrix<double>(a).kern();
        if (approx.cols() != exact.cols()) continue; // a residue became a pivot
        ++compared;
        agreeing += bool(closeTo(approx, exact));
    }
    EXPECT_GT(compared, 250);
    EXPECT_EQ(agreeing, compared);
}
