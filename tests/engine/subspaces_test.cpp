// Inverse, image, kernel and least-squares solution, checked by identities on
// random small integer matrices. The worked examples with their protocols are
// data cases in tests/data.
#include <gtest/gtest.h>

#include <cmath>

#include "matrixbuild.h"

using namespace matrixbuild;

namespace {

// The double result is the exact one up to rounding.
bool closeTo(const matrix<double>& d, const matrix<reel>& e) {
    bool close = d.rows() == e.rows() && d.cols() == e.cols();
    for (int r = 0; close && r < d.rows(); ++r)
        for (int c = 0; close && c < d.cols(); ++c)
            close =
                std::fabs(d.at(r, c) - double(e.at(r, c))) <= 1e-9 * (1 + std::fabs(d.at(r, c)));
    return close;
}

} // namespace

TEST(InverseRandom, ProductWithTheInverseIsTheIdentity) {
    RandomCases rc(31337);
    int invertible = 0, singular = 0;
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size);
        protstream p;
        matrix<reel> inv;
        if (!rc.exact([&] { inv = toMatrix<reel>(a, &p).inverse(); })) continue;
        if (bareiss(a).det == 0) {
            ++singular;
            EXPECT_TRUE(inv.isEmpty());
            EXPECT_TRUE(written(p).ends_with("\nMatrix ist nicht inventierbar\n"));
            continue;
        }
        ++invertible;
        ASSERT_EQ(inv.rows() * inv.cols(), size * size);
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c)
                EXPECT_TRUE(rowTimesColumn(a, r, inv, c, size) == Rat(r == c ? 1 : 0));
        EXPECT_TRUE(closeTo(toMatrix<double>(a).inverse(), inv));
    }
    EXPECT_GT(invertible, 100);
    EXPECT_GT(singular, 50);
}

TEST(KernRandom, KernelAndImageFitTogether) {
    RandomCases rc(2718);
    int nullVectors = 0, withKernel = 0, doubleCompared = 0;
    for (int n = 0; n < 400; ++n) {
        const int rows = rc.uniform(1, 5), cols = rc.uniform(1, 6);
        const IntMatrix a = rc.next(rows, cols);
        const int rank = bareissRank(a);
        protstream p;
        matrix<reel> k, b;
        if (!rc.exact([&] { k = toMatrix<reel>(a, &p).kern(), b = toMatrix<reel>(a).bild(); }))
            continue;
        // The double kernel is the exact one unless a residue became a pivot.
        const auto approx = toMatrix<double>(a).kern();
        if (approx.cols() == k.cols()) {
            ++doubleCompared;
            EXPECT_TRUE(closeTo(approx, k)) << shown(approx) << shown(k);
        }

        // Image: input columns in increasing order, as many as the rank and independent.
        ASSERT_EQ(b.rows(), rows);
        ASSERT_EQ(b.cols(), rank);
        IntMatrix bi(static_cast<std::size_t>(rows),
                     std::vector<std::int64_t>(static_cast<std::size_t>(rank)));
        for (int t = 0, from = 0; t < rank; ++t, ++from) {
            for (int r = 0; r < rows; ++r) bi[r][t] = b.at(r, t).whole;
            while (from < cols && columns(a, from, 1) != columns(bi, t, 1)) ++from;
            EXPECT_LT(from, cols) << "image column " << t << " is no later input column";
        }
        EXPECT_EQ(bareissRank(bi), rank);

        // Kernel: A K = 0, one unit row per free unknown, dimension cols - rank;
        // the zero vector when there is none.
        ASSERT_EQ(k.rows(), cols);
        ASSERT_EQ(k.cols(), std::max(cols - rank, 1));
        (rank == cols ? nullVectors : withKernel)++;
        EXPECT_TRUE(written(p).ends_with(
            std::string(rank == cols ? "Kern von Matrix ist Nullvektor\n" : "Kern von Matrix\n") +
            shown(k)));
        for (int r = 0; r < rows; ++r)
            for (int t = 0; t < k.cols(); ++t)
                EXPECT_TRUE(rowTimesColumn(a, r, k, t, cols) == Rat(0));
        // Column j is free when it does not raise the rank of the columns before it.
        int t = 0;
        for (int j = 0; j < cols && rank < cols; ++j) {
            if (bareissRank(columns(a, 0, j + 1)) > bareissRank(columns(a, 0, j))) continue;
            for (int u = 0; u < k.cols(); ++u)
                EXPECT_TRUE(u == t ? entryIsOne(k.at(j, u)) : k.at(j, u).sign() == 0)
                    << "column " << u << ", free row " << j;
            ++t;
        }
        EXPECT_EQ(t, cols - rank);
    }
    EXPECT_GT(nullVectors, 30);
    EXPECT_GT(withKernel, 100);
    EXPECT_GT(doubleCompared, 250);
}

TEST(NaehrungsloesungRandom, SolvesTheNormalEquations) {
    RandomCases rc(8080);
    int unique = 0, withFree = 0;
    for (int n = 0; n < 300; ++n) {
        const int rows = rc.uniform(2, 5), unknowns = rc.uniform(1, rows - 1);
        const IntMatrix a = rc.next(rows, unknowns + 1);
        matrix<reel> x;
        if (!rc.exact([&] { x = toMatrix<reel>(a).naehrungsloesung(); })) continue;
        // The normal equations are always solvable.
        ASSERT_EQ(x.rows(), unknowns);
        ASSERT_EQ(x.cols(), 1 + unknowns - bareissRank(columns(a, 0, unknowns)));
        (x.cols() == 1 ? unique : withFree)++;
        // A^T (A x0 - b) = 0 and A xt = 0.
        for (int j = 0; j < unknowns; ++j) {
            Rat s;
            for (int r = 0; r < rows; ++r)
                s = s + Rat(a[r][j]) * (rowTimesColumn(a, r, x, 0, unknowns) - Rat(a[r][unknowns]));
            EXPECT_TRUE(s == Rat(0)) << "normal equation " << j;
        }
        for (int t = 1; t < x.cols(); ++t)
            for (int r = 0; r < rows; ++r)
                EXPECT_TRUE(rowTimesColumn(a, r, x, t, unknowns) == Rat(0));
    }
    EXPECT_GT(unique, 100);
    EXPECT_GT(withFree, 10);
}
