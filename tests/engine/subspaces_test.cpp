// Inverse, image, kernel and least-squares solution: worked examples with their
// protocols, and identities checked on random small integer matrices.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "intreference.h"
#include "matrixbuild.h"
#include "mylongint.h"

using namespace matrixbuild;
using intreference::IntMatrix;
using intreference::Rat;

namespace {

template <class T> class InverseExamples : public ::testing::Test {};
TYPED_TEST_SUITE(InverseExamples, EntryTypes, EntryTypeNames);

template <class T> class BildExamples : public ::testing::Test {};
TYPED_TEST_SUITE(BildExamples, EntryTypes, EntryTypeNames);

template <class T> class KernExamples : public ::testing::Test {};
TYPED_TEST_SUITE(KernExamples, EntryTypes, EntryTypeNames);

template <class T> class NaehrungsloesungExamples : public ::testing::Test {};
TYPED_TEST_SUITE(NaehrungsloesungExamples, EntryTypes, EntryTypeNames);

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct RandomCases {
    std::mt19937 gen;
    int cases = 0;
    int overflows = 0;
    explicit RandomCases(unsigned seed) : gen(seed) {}
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); }
    IntMatrix next(int rows, int cols) {
        ++cases;
        return intreference::randomInts(gen, rows, cols, uniform(0, 2));
    }
    void report() {
        ::testing::Test::RecordProperty("overflows", overflows);
        EXPECT_LT(overflows * 10, cases) << overflows << " of " << cases << " overflowed";
    }
};

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

// --- inverse -------------------------------------------------------------

TYPED_TEST(InverseExamples, TwoByTwoWithWholeProtocol) {
    using T = TypeParam;
    protstream p;
    const auto a = mat<T>(2, 2, {2, 1, 1, 1}, &p);
    const auto inv = a.inverse();
    const auto h = frac<T>(1, 2);
    EXPECT_TRUE(sameMatrix(inv, mat<T>(2, 2, {1, -1, -1, 2})));
    EXPECT_EQ(inv.prot, &p);
    EXPECT_EQ(written(p),
              "Gauss-Jordan von\n" + shown(mat<T>(2, 4, {2, 1, 1, 0, 1, 1, 0, 1})) +
                  "Gauss-Jordan nr.1\n" + shown(mat<T>(2, 4, {1, h, h, 0, 0, h, -h, 1})) +
                  "Gauss-Jordan nr.2\n" + shown(mat<T>(2, 4, {1, 0, 1, -1, 0, 1, -1, 2})) +
                  "Inverse\n" + shown(inv));
    EXPECT_TRUE(sameMatrix(a, mat<T>(2, 2, {2, 1, 1, 1})));
}

TYPED_TEST(InverseExamples, SingularMatrixIsReportedAfterTheElimination) {
    using T = TypeParam;
    protstream p;
    const auto inv = mat<T>(2, 2, {1, 2, 2, 4}, &p).inverse();
    EXPECT_TRUE(inv.isEmpty());
    EXPECT_FALSE(inv.hasData());
    const auto h = frac<T>(1, 2);
    EXPECT_EQ(written(p),
              "Gauss-Jordan von\n" + shown(mat<T>(2, 4, {1, 2, 1, 0, 2, 4, 0, 1})) +
                  "Gauss-Jordan nr.1\n" + shown(mat<T>(2, 4, {1, 2, 1, 0, 0, 0, -2, 1})) +
                  "Gauss-Jordan nr.2\n" + shown(mat<T>(2, 4, {1, 2, 0, h, 0, 0, 1, -h})) +
                  "Matrix ist nicht inventierbar\n");
}

TYPED_TEST(InverseExamples, OneByOneAndNonSquare) {
    using T = TypeParam;
    EXPECT_TRUE(sameMatrix(mat<T>(1, 1, {4}).inverse(), mat<T>(1, 1, {frac<T>(1, 4)})));
    protstream p;
    EXPECT_TRUE(mat<T>(2, 3, {1, 0, 0, 0, 1, 0}, &p).inverse().isEmpty());
    EXPECT_EQ(written(p), "");
}

// --- bild ----------------------------------------------------------------

TYPED_TEST(BildExamples, ColumnsOfTheInputWithLeadingOnes) {
    using T = TypeParam;
    protstream p;
    const auto a = mat<T>(2, 3, {1, 2, 3, 2, 4, 7}, &p);
    const auto b = a.bild();
    EXPECT_TRUE(sameMatrix(b, mat<T>(2, 2, {1, 3, 2, 7})));
    EXPECT_EQ(written(p), "Gauss-Jordan von\n" + shown(a) + "Gauss-Jordan nr.1\n" +
                              shown(mat<T>(2, 3, {1, 2, 3, 0, 0, 1})) + "Gauss-Jordan nr.2\n" +
                              shown(mat<T>(2, 3, {1, 2, 0, 0, 0, 1})) + "Bild von Matrix\n" +
                              shown(b));
    EXPECT_TRUE(sameMatrix(a, mat<T>(2, 3, {1, 2, 3, 2, 4, 7})));
}

TYPED_TEST(BildExamples, ZeroMatrixHasNoColumns) {
    using T = TypeParam;
    protstream p;
    const auto b = matrix<T>(3, 2, &p).bild();
    EXPECT_EQ(b.rows(), 3);
    EXPECT_EQ(b.cols(), 0);
    EXPECT_FALSE(b.hasData());
    EXPECT_TRUE(
        endsWith(written(p), "Gauss-Jordan nr.2\n0\t0\t\n0\t0\t\n0\t0\t\nBild von Matrix\n"));
}

// --- kern ----------------------------------------------------------------

TYPED_TEST(KernExamples, OneFreeUnknownWithWholeProtocol) {
    using T = TypeParam;
    protstream p;
    const auto k = mat<T>(2, 2, {1, 2, 2, 4}, &p).kern();
    EXPECT_TRUE(sameMatrix(k, mat<T>(2, 1, {-2, 1})));
    const auto reduced = mat<T>(2, 3, {1, 2, 0, 0, 0, 0});
    EXPECT_EQ(written(p), "Gauss-Jordan von\n" + shown(mat<T>(2, 3, {1, 2, 0, 2, 4, 0})) +
                              "Gauss-Jordan nr.1\n" + shown(reduced) + "Gauss-Jordan nr.2\n" +
                              shown(reduced) + "Lösung\n" + shown(mat<T>(2, 2, {0, -2, 0, 1})) +
                              "Kern von Matrix\n" + shown(k));
}

TYPED_TEST(KernExamples, InvertibleMatrixHasTheZeroVector) {
    using T = TypeParam;
    protstream p;
    const auto k = mat<T>(2, 2, {2, 1, 1, 1}, &p).kern();
    EXPECT_TRUE(sameMatrix(k, mat<T>(2, 1, {0, 0})));
    EXPECT_TRUE(
        endsWith(written(p), "Lösung\n0\t\n0\t\nKern von Matrix ist Nullvektor\n0\t\n0\t\n"));
}

TYPED_TEST(KernExamples, ZeroMatrixLeavesEveryUnknownFree) {
    using T = TypeParam;
    EXPECT_TRUE(sameMatrix(matrix<T>(2, 2).kern(), mat<T>(2, 2, {1, 0, 0, 1})));
}

// --- naehrungsloesung ----------------------------------------------------

TYPED_TEST(NaehrungsloesungExamples, OverDeterminedGoesThroughNormalEquations) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(3, 2, {1, 1, 1, 2, 1, 4}, &p);
    const auto start = a;
    const auto x = a.naehrungsloesung();
    const auto third = frac<T>(7, 3);
    EXPECT_TRUE(sameMatrix(x, mat<T>(1, 1, {third})));
    EXPECT_TRUE(sameMatrix(a, start)); // only read
    EXPECT_EQ(written(p), "Nährungslösung zu\n" + shown(start) + "Matrix nach (At*A)x=At*b\n" +
                              "Gauss-Jordan von\n" + shown(mat<T>(1, 2, {3, 7})) +
                              "Gauss-Jordan nr.1\n" + shown(mat<T>(1, 2, {1, third})) + "Lösung\n" +
                              shown(x));
}

TYPED_TEST(NaehrungsloesungExamples, NotOverDeterminedSolvesInPlace) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(2, 3, {2, 4, 2, 1, 3, 2}, &p);
    const auto start = a;
    const auto x = a.naehrungsloesung();
    EXPECT_TRUE(sameMatrix(x, mat<T>(2, 1, {-1, 1})));
    EXPECT_TRUE(sameMatrix(a, mat<T>(2, 3, {1, 0, -1, 0, 1, 1})));
    EXPECT_EQ(written(p).rfind("Es existiert genaue Lösung\nGauss-Jordan von\n" + shown(start), 0),
              0u);
}

TYPED_TEST(NaehrungsloesungExamples, InconsistentSquareSystemGivesNothingMore) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(2, 3, {1, 1, 1, 1, 1, 2}, &p);
    EXPECT_TRUE(a.naehrungsloesung().isEmpty());
    EXPECT_TRUE(
        endsWith(written(p), "Gauss-Jordan nr.2\n" + shown(mat<T>(2, 3, {1, 1, 0, 0, 0, 1}))));
}

// --- identities on random integer matrices ------------------------------

TEST(InverseRandom, ProductWithTheInverseIsTheIdentity) {
    RandomCases rc(31337);
    int invertible = 0, singular = 0, doubleAgrees = 0;
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size);
        const bool regular = intreference::cofactorDeterminant(a, size) != 0;
        protstream p;
        matrix<reel> inv;
        try {
            inv = intreference::toMatrix<reel>(a, &p).inverse();
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
                EXPECT_TRUE(intreference::rowTimesColumn(a, r, inv, c, size) ==
                            Rat(r == c ? 1 : 0));
        doubleAgrees += bool(closeTo(intreference::toMatrix<double>(a).inverse(), inv));
    }
    EXPECT_GT(invertible, 100);
    EXPECT_GT(singular, 50);
    EXPECT_EQ(doubleAgrees, invertible);
    rc.report();
}

TEST(KernRandom, KernelAndImageFitTogether) {
    RandomCases rc(2718);
    int nullVectors = 0, withKernel = 0;
    for (int n = 0; n < 400; ++n) {
        const int rows = rc.uniform(1, 5), cols = rc.uniform(1, 6);
        const IntMatrix a = rc.next(rows, cols);
        const int rank = intreference::bareissRank(a);
        protstream p;
        matrix<reel> k, b;
        std::string kernText;
        try {
            k = intreference::toMatrix<reel>(a, &p).kern();
            kernText = written(p);
            b = intreference::toMatrix<reel>(a).bild();
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
        EXPECT_EQ(intreference::bareissRank(bi), rank);

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
                EXPECT_TRUE(intreference::rowTimesColumn(a, r, k, t, cols) == Rat(0));
        // Column j is free when it does not raise the rank of the columns before it.
        std::vector<int> freeUnknowns;
        for (int j = 0; j < cols; ++j)
            if (intreference::bareissRank(intreference::columns(a, 0, j + 1)) ==
                intreference::bareissRank(intreference::columns(a, 0, j)))
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
    rc.report();
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
            auto m = intreference::toMatrix<reel>(a);
            x = m.naehrungsloesung();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        // The normal equations are always solvable.
        ASSERT_EQ(x.rows(), unknowns);
        const int rank = intreference::bareissRank(intreference::columns(a, 0, unknowns));
        ASSERT_EQ(x.cols(), 1 + unknowns - rank);
        (x.cols() == 1 ? unique : withFree)++;
        // A^T (A x0 - b) = 0 and A xt = 0.
        std::vector<Rat> residual;
        for (int r = 0; r < rows; ++r)
            residual.push_back(intreference::rowTimesColumn(a, r, x, 0, unknowns) +
                               Rat(-a[r][unknowns]));
        for (int j = 0; j < unknowns; ++j) {
            Rat s;
            for (int r = 0; r < rows; ++r)
                s = s + Rat(a[r][j]) * residual[r];
            EXPECT_TRUE(s == Rat(0)) << "normal equation " << j;
        }
        for (int t = 1; t < x.cols(); ++t)
            for (int r = 0; r < rows; ++r)
                EXPECT_TRUE(intreference::rowTimesColumn(a, r, x, t, unknowns) == Rat(0));
    }
    EXPECT_GT(unique, 100);
    EXPECT_GT(withFree, 10);
    rc.report();
}

TEST(KernRandom, DoubleMatchesExactWhereNoResidueArises) {
    RandomCases rc(555);
    int compared = 0, agreeing = 0;
    for (int n = 0; n < 300; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        matrix<reel> exact;
        try {
            exact = intreference::toMatrix<reel>(a).kern();
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
            continue;
        }
        const auto approx = intreference::toMatrix<double>(a).kern();
        if (approx.cols() != exact.cols()) continue; // a residue became a pivot
        ++compared;
        agreeing += bool(closeTo(approx, exact));
    }
    EXPECT_GT(compared, 250);
    EXPECT_EQ(agreeing, compared);
    rc.report();
}
