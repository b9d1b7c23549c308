// Gauss and Gauss-Jordan elimination, pivot columns, the general solution and
// the determinant: worked examples with their whole protocols, edge cases, and
// identities checked on random small integer matrices.
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

template <class T> class GaussExamples : public ::testing::Test {};
TYPED_TEST_SUITE(GaussExamples, EntryTypes, EntryTypeNames);

template <class T> class GaussJordanExamples : public ::testing::Test {};
TYPED_TEST_SUITE(GaussJordanExamples, EntryTypes, EntryTypeNames);

template <class T> class LoesungExamples : public ::testing::Test {};
TYPED_TEST_SUITE(LoesungExamples, EntryTypes, EntryTypeNames);

template <class T> class DeterminanteExamples : public ::testing::Test {};
TYPED_TEST_SUITE(DeterminanteExamples, EntryTypes, EntryTypeNames);

int countOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

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

// --- Gauss ---------------------------------------------------------------

TYPED_TEST(GaussExamples, WritesTheStartAndEveryNumberedStep) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 10}, &p);
    const auto start = a;
    a.gauss();
    const auto step1 = mat<T>(3, 3, {1, 2, 3, 0, -3, -6, 0, -6, -11});
    const auto step2 = mat<T>(3, 3, {1, 2, 3, 0, -3, -6, 0, 0, 1});
    EXPECT_EQ(written(p), "Gauss von\n" + shown(start) + "Gauss nr.1\n" + shown(step1) +
                              "Gauss nr.2\n" + shown(step2));
    EXPECT_TRUE(sameMatrix(a, step2));
}

TYPED_TEST(GaussExamples, ZeroFirstColumnMovesThePivotRightAndUp) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(3, 3, {0, 0, 1, 0, 2, 1, 0, 4, 2}, &p);
    std::int32_t sign = 1;
    a.gauss(&sign);
    const auto done = mat<T>(3, 3, {0, 2, 1, 0, 0, 1, 0, 0, 0});
    EXPECT_TRUE(sameMatrix(a, done));
    EXPECT_EQ(sign, -1); // one exchange: rows 0 and 1
    // Steps that find nothing new are numbered and snapshotted all the same.
    EXPECT_EQ(written(p), "Gauss von\n" + shown(mat<T>(3, 3, {0, 0, 1, 0, 2, 1, 0, 4, 2})) +
                              "Gauss nr.1\n" + shown(done) + "Gauss nr.2\n" + shown(done));
}

TYPED_TEST(GaussExamples, StepReportsPivotColumnOrNothing) {
    using T = TypeParam;
    auto a = mat<T>(3, 4, {1, 1, 1, 1, 2, 2, 5, 3, 0, 0, 0, 7});
    std::int32_t sign = 1;
    EXPECT_EQ(a.gaussStep(0, &sign), 0);
    EXPECT_TRUE(sameMatrix(a, mat<T>(3, 4, {1, 1, 1, 1, 0, 0, 3, 1, 0, 0, 0, 7})));
    EXPECT_EQ(a.gaussStep(1, &sign), 2); // column 1 is zero from row 1 down
    EXPECT_EQ(a.gaussStep(2, &sign), 3);
    EXPECT_EQ(sign, 1);
    const auto before = a;
    EXPECT_EQ(a.gaussStep(3, &sign), -1); // no row 3
    auto zero = mat<T>(2, 2, {5, 0, 0, 0});
    EXPECT_EQ(zero.gaussStep(1, nullptr), -1);
    EXPECT_TRUE(sameMatrix(a, before));
    EXPECT_TRUE(sameMatrix(zero, mat<T>(2, 2, {5, 0, 0, 0})));
}

TYPED_TEST(GaussExamples, NumberOfStepsFollowsTheShape) {
    using T = TypeParam;
    struct Case {
        int rows, cols, gaussSteps, jordanSteps;
    };
    for (const Case c : {Case{1, 3, 0, 1}, Case{2, 5, 1, 2}, Case{3, 4, 2, 3}, Case{4, 2, 2, 2},
                         Case{5, 1, 1, 1}}) {
        protstream p;
        matrix<T> m(c.rows, c.cols, &p);
        m.gauss();
        EXPECT_EQ(countOf(written(p), "Gauss nr."), c.gaussSteps) << c.rows << "x" << c.cols;
        p.clear();
        m.gaussJordan();
        EXPECT_EQ(countOf(written(p), "Gauss-Jordan nr."), c.jordanSteps)
            << c.rows << "x" << c.cols;
    }
}

TEST(GaussDouble, QuotientIsFormedBeforeTheProduct) {
    // -6 - 5 * (1/3) rounds differently from -6 - (5*1)/3 and -6 - (5/3)*1.
    auto a = mat<double>(2, 2, {3, 1, 5, -6});
    a.gaussStep(0, nullptr);
    EXPECT_EQ(a.at(1, 1), -7.6666666666666661);
    EXPECT_EQ(a.at(1, 0), 0.0);
    auto b = mat<double>(2, 2, {3, 1, 5, -6});
    b.gaussJordanStep(0);
    EXPECT_EQ(b.at(1, 1), -7.6666666666666661);
}

TEST(GaussExact, OverflowLeavesThePartlyEliminatedMatrixAndItsProtocol) {
    protstream p;
    auto a = mat<reel>(2, 2, {1, 2147483647, 2, 1}, &p);
    const auto start = a;
    EXPECT_THROW(a.gauss(), mylongint::overflow);
    EXPECT_EQ(written(p), "Gauss von\n" + shown(start));
    EXPECT_EQ(a.at(1, 0).sign(), 0); // already cleared before the failing entry
}

// --- Gauss-Jordan --------------------------------------------------------

TYPED_TEST(GaussJordanExamples, SolvesTheAugmentedSystemWithFullProtocol) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(2, 3, {2, 4, 2, 1, 3, 2}, &p);
    const auto start = a;
    a.gaussJordan();
    const auto step1 = mat<T>(2, 3, {1, 2, 1, 0, 1, 1});
    const auto step2 = mat<T>(2, 3, {1, 0, -1, 0, 1, 1});
    EXPECT_TRUE(sameMatrix(a, step2));
    const auto x = a.loesung();
    EXPECT_TRUE(sameMatrix(x, mat<T>(2, 1, {-1, 1})));
    EXPECT_EQ(written(p), "Gauss-Jordan von\n" + shown(start) + "Gauss-Jordan nr.1\n" +
                              shown(step1) + "Gauss-Jordan nr.2\n" + shown(step2) + "Lösung\n" +
                              shown(x));
}

TEST(GaussJordanDouble, RoundingResidueBecomesAPivot) {
    // Singular over the rationals (row 2 is (row 1 - row 0) / 2), but the last
    // step meets a residue of rounding and divides its row by it.
    auto a = mat<double>(3, 3, {3, -4, 0, -1, 2, -2, -2, 3, -1});
    auto w = a;
    w.gaussJordanStep(0);
    w.gaussJordanStep(1);
    EXPECT_NE(w.at(2, 2), 0.0);
    EXPECT_LT(std::fabs(w.at(2, 2)), 1e-12);
    w = a;
    w.gaussJordan();
    EXPECT_TRUE(sameMatrix(w, mat<double>(3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1})));
    EXPECT_EQ(w.pivotColumns().count(), 3);

    auto exact = mat<reel>(3, 3, {3, -4, 0, -1, 2, -2, -2, 3, -1});
    exact.gaussJordan();
    EXPECT_EQ(exact.pivotColumns().count(), 2);
}

// --- pivotColumns --------------------------------------------------------

TEST(GaussPivotColumns, LeadingEntriesFromTheBottomUp) {
    auto members = [](sets s) {
        std::vector<int> v;
        s.reset();
        for (int i = s.nextset(); i >= 0; i = s.nextset())
            v.push_back(i);
        return v;
    };
    // A Gauss result: leading entries need not be one.
    EXPECT_EQ(
        members(mat<reel>(3, 5, {2, 1, 0, 3, 1, 0, 0, 5, 1, 0, 0, 0, 0, 0, 0}).pivotColumns()),
        (std::vector<int>{0, 2}));
    EXPECT_EQ(members(mat<double>(1, 3, {0, 0, 5}).pivotColumns()), (std::vector<int>{2}));
    EXPECT_EQ(members(mat<double>(3, 1, {1, 0, 0}).pivotColumns()), (std::vector<int>{0}));
    EXPECT_EQ(mat<reel>(2, 3, {0, 0, 0, 0, 0, 0}).pivotColumns().count(), 0);
    EXPECT_EQ(mat<reel>(2, 3, {}).pivotColumns().size(), 3);
    // Column 0 used up below row 0: no echelon form, no pivot columns.
    EXPECT_EQ(mat<reel>(2, 2, {0, 1, 1, 0}).pivotColumns().count(), 0);
    EXPECT_EQ(mat<double>(3, 2, {1, 1, 1, 0, 0, 0}).pivotColumns().count(), 0);
}

// --- loesung -------------------------------------------------------------

TYPED_TEST(LoesungExamples, ParticularSolutionAndOneColumnPerFreeUnknown) {
    using T = TypeParam;
    protstream p;
    const auto reduced = mat<T>(2, 4, {1, 0, 2, 3, 0, 1, -1, 4}, &p);
    const auto x = reduced.loesung();
    const auto expected = mat<T>(3, 2, {3, -2, 4, 1, 0, 1});
    EXPECT_TRUE(sameMatrix(x, expected));
    EXPECT_EQ(x.prot, &p);
    EXPECT_EQ(written(p), "Lösung\n" + shown(expected));
}

TYPED_TEST(LoesungExamples, ContradictionGivesEmptyMatrixAndNoProtocol) {
    using T = TypeParam;
    protstream p;
    const auto x = mat<T>(2, 3, {1, 2, 0, 0, 0, 1}, &p).loesung();
    EXPECT_TRUE(x.isEmpty());
    EXPECT_FALSE(x.hasData());
    EXPECT_EQ(written(p), "");
    // Every column a pivot column: the last one reads 0 = 1 as well.
    EXPECT_TRUE(mat<T>(2, 2, {1, 0, 0, 1}).loesung().isEmpty());
}

// --- determinante --------------------------------------------------------

TYPED_TEST(DeterminanteExamples, ProductOfTheDiagonalWithProtocol) {
    using T = TypeParam;
    protstream p;
    const auto a = mat<T>(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 10}, &p);
    const auto d = a.determinante();
    EXPECT_TRUE(sameMatrix(d, mat<T>(1, 1, {-3})));
    const std::string text = written(p);
    EXPECT_EQ(text.rfind("Gauss von\n" + shown(a), 0), 0u);
    const std::string tail = "Determinante durch Multiplikation der diagonalen Einträgen\n-3\t\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(countOf(text, "Gauss nr."), 2);
    EXPECT_TRUE(sameMatrix(a, mat<T>(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 10}))); // unchanged
}

TYPED_TEST(DeterminanteExamples, OneExtraColumnIsIgnoredOtherShapesRefused) {
    using T = TypeParam;
    EXPECT_TRUE(sameMatrix(mat<T>(2, 3, {1, 2, 9, 3, 4, 9}).determinante(), mat<T>(1, 1, {-2})));
    // Column 1 has no pivot; the search moves on to column 2, the diagonal keeps a zero.
    EXPECT_TRUE(sameMatrix(mat<T>(2, 3, {1, 2, 5, 2, 4, 7}).determinante(), mat<T>(1, 1, {0})));
    protstream p;
    EXPECT_TRUE(mat<T>(2, 4, {}, &p).determinante().isEmpty());
    EXPECT_TRUE(mat<T>(3, 2, {}, &p).determinante().isEmpty());
    EXPECT_EQ(written(p), "");
}

// --- identities on random integer matrices ------------------------------

namespace {

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
    // Overflows are skipped, but most cases must be exercised.
    void report() {
        ::testing::Test::RecordProperty("overflows", overflows);
        EXPECT_LT(overflows * 10, cases) << overflows << " of " << cases << " overflowed";
    }
};

} // namespace

TEST(EliminationRandom, ExactGaussJordanIsReducedWithTheRankAsPivots) {
    RandomCases rc(20240611);
    for (int n = 0; n < 400; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        auto m = intreference::toMatrix<reel>(a);
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
        EXPECT_EQ(pivots, intreference::bareissRank(a));
    }
    rc.report();
}

TEST(EliminationRandom, DoubleGaussJordanIsReducedEvenWithResidues) {
    // Exact ones and zeros are set by the algorithm itself, rounding or not.
    RandomCases rc(77);
    for (int n = 0; n < 400; ++n) {
        auto m = intreference::toMatrix<double>(rc.next(rc.uniform(1, 5), rc.uniform(1, 6)));
        m.gaussJordan();
        ASSERT_TRUE(isReducedEchelon(m));
    }
}

TEST(EliminationRandom, GaussGivesEchelonFormOfTheRank) {
    RandomCases rc(4711);
    for (int n = 0; n < 400; ++n) {
        const IntMatrix a = rc.next(rc.uniform(1, 5), rc.uniform(1, 6));
        auto m = intreference::toMatrix<reel>(a);
        auto f = intreference::toMatrix<double>(a);
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
        EXPECT_EQ(nonzero, intreference::bareissRank(a));
        EXPECT_EQ(m.pivotColumns().count(), nonzero);
    }
    rc.report();
}

TEST(DeterminanteRandom, EqualsTheCofactorExpansion) {
    RandomCases rc(1234);
    int nonzero = 0;
    for (int n = 0; n < 400; ++n) {
        const int size = rc.uniform(1, 5);
        const IntMatrix a = rc.next(size, size + rc.uniform(0, 1));
        const std::int64_t expected = intreference::cofactorDeterminant(a, size);
        nonzero += expected != 0;
        const auto f = intreference::toMatrix<double>(a).determinante();
        ASSERT_EQ(f.rows(), 1);
        EXPECT_NEAR(f.at(0, 0), double(expected), 1e-9 * (1.0 + std::fabs(double(expected))));
        try {
            const auto d = intreference::toMatrix<reel>(a).determinante();
            ASSERT_EQ(d.rows(), 1);
            ASSERT_EQ(d.cols(), 1);
            EXPECT_TRUE(d.at(0, 0).sameFields(reel(std::int32_t(expected))))
                << shown(d) << " expected " << expected;
        } catch (const mylongint::overflow&) {
            ++rc.overflows;
        }
    }
    EXPECT_GT(nonzero, 100);
    rc.report();
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
        const int rankA = intreference::bareissRank(intreference::columns(a, 0, unknowns));
        const int rankAb = intreference::bareissRank(a);
        auto m = intreference::toMatrix<reel>(a);
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
            EXPECT_TRUE(intreference::rowTimesColumn(a, r, x, 0, unknowns) == Rat(a[r][unknowns]));
            for (int t = 1; t < x.cols(); ++t)
                EXPECT_TRUE(intreference::rowTimesColumn(a, r, x, t, unknowns) == Rat(0));
        }
    }
    EXPECT_GT(solvable, 100);
    EXPECT_GT(unsolvable, 20);
    EXPECT_GT(withFreeUnknowns, 50);
    rc.report();
}
