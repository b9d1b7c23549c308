// Linear programming on tableaus of affine forms: the exchange step, the
// column and row choices, vertex finding and exchange, the first stage and the
// two-stage simplex on the user's constraints A x >= b, maximising c x - c0.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "lpbuild.h"
#include "matrix.h"
#include "protstream.h"

using lpbuild::frac;
using lpbuild::fromInts;
using lpbuild::hasEntries;
using lpbuild::lines;
using lpbuild::records;
using Lines = std::vector<std::string>;

namespace {

template <class T> class LpTyped : public ::testing::Test {};
struct TypeNames {
    template <class T> static std::string GetName(int) {
        return std::is_same_v<T, double> ? "double" : "reel";
    }
};
using EntryTypes = ::testing::Types<reel, double>;

// The text lines starting with "pivotiere".
Lines pivots(const protstream& p) { return lpbuild::linesStarting(p, "pivotiere"); }

// The user's problem of the first worked example: maximise 3x + 2y with
// x <= 4, y <= 3, x + y <= 5, x >= 0, y >= 0.
const std::vector<int> kProduction = {-1, 0, -4, 0, -1, -3, -1, -1, -5, 1, 0, 0, 0, 1, 0, 3, 2, 0};
// The second: maximise x + 2y with x >= 1, y >= 1, x + y <= 5.
const std::vector<int> kShifted = {1, 0, 1, 0, 1, 1, -1, -1, -5, 1, 2, 0};

// The value of constraint form i (a_i x - b_i) or, for the last row, of the
// objective (c x - c0), at column k of a result.
template <class T> T formAt(const matrix<T>& user, std::int32_t i, const matrix<T>& x, int k) {
    const std::int32_t n = user.cols() - 1;
    T s = T(0);
    for (std::int32_t j = 0; j < n; ++j) s = s + user.at(i, j) * x.at(j, k);
    return s - user.at(i, n);
}

} // namespace

TYPED_TEST_SUITE(LpTyped, EntryTypes, TypeNames);

// ---------------------------------------------------------------- pivotiere

TYPED_TEST(LpTyped, PivotiereExchangesAndWritesLineAndSnapshot) {
    using T = TypeParam;
    protstream prot;
    auto m = fromInts<T>(2, 2, {2, 4, 1, 3}, &prot);
    m.pivotiere(0, 0);
    EXPECT_TRUE(hasEntries<T>(m, 2, 2, {T(1), T(0), frac<T>(1, 2), T(1)}));
    EXPECT_EQ(records(prot), (Lines{"pivotiere (1,1)", "#"}));
    const matrix<T>* snap = lpbuild::snapshot<T>(prot, 0);
    ASSERT_NE(snap, nullptr);
    EXPECT_TRUE(lpbuild::sameMatrix(*snap, m));
}

TYPED_TEST(LpTyped, PivotiereAtZeroOrOutsideChangesNothingButIsWritten) {
    using T = TypeParam;
    protstream prot;
    const auto original = fromInts<T>(2, 3, {0, 1, 2, 1, 1, 3});
    auto m = fromInts<T>(2, 3, {0, 1, 2, 1, 1, 3}, &prot);
    m.pivotiere(0, 0); // zero pivot
    m.pivotiere(2, 1); // row out of range
    m.pivotiere(1, 3); // column out of range
    m.pivotiere(-1, 0);
    EXPECT_TRUE(lpbuild::sameMatrix(m, original));
    EXPECT_EQ(records(prot), (Lines{"pivotiere (1,1)", "#", "pivotiere (3,2)", "#",
                                    "pivotiere (2,4)", "#", "pivotiere (0,1)", "#"}));
}

// ------------------------------------------------------ column and row choice

TEST(LpChoice, PickColumnAbsTakesLargestObjectiveMagnitudeLeftmostFirst) {
    // Objective row (-5, 5, 3); column 3 holds constants.
    auto m = fromInts<reel>(2, 4, {1, 1, 1, 0, -5, 5, 3, 0});
    sets used(3);
    EXPECT_EQ(m.pickColumnAbs(used), 0);
    used.set(0);
    EXPECT_EQ(m.pickColumnAbs(used), 1);
    used.set(1);
    EXPECT_EQ(m.pickColumnAbs(used), 2);
    used.set(2);
    EXPECT_EQ(m.pickColumnAbs(used), -1);
}

TEST(LpChoice, PickColumnAbsSkipsAllZeroColumnsButNotZeroObjectives) {
    // Column 0 is zero throughout; column 1 has objective 0 but a constraint entry.
    auto m = fromInts<reel>(2, 3, {0, -1, 1, 0, 0, 0});
    EXPECT_EQ(m.pickColumnAbs(sets(2)), 1);
    auto zero = fromInts<reel>(2, 3, {0, 0, 1, 0, 0, 5});
    EXPECT_EQ(zero.pickColumnAbs(sets(2)), -1);
}

TEST(LpChoice, PickColumnTakesLargestSignedObjectiveLeftmostFirst) {
    auto m = fromInts<reel>(2, 4, {1, 1, 1, 0, -5, 3, 3, 0});
    EXPECT_EQ(m.pickColumn(), 1);
    auto negative = fromInts<reel>(2, 3, {1, 1, 0, -2, -1, 0});
    EXPECT_EQ(negative.pickColumn(), 1);
}

TEST(LpChoice, PickRowIsTheRatioTestFirstAmongEquals) {
    // Column 0, objective 1: rows with negative entries limit the growth.
    // Row 0: 2/1 = 2, row 1 positive (ignored), row 2: 4/2 = 2, row 3: 3/1.
    auto m = fromInts<reel>(5, 2, {-1, 2, 1, 0, -2, 4, -1, 3, 1, 0});
    EXPECT_EQ(m.pickRow(0), 0);
    // Negative objective: the rows with positive entries limit the move.
    auto down = fromInts<reel>(4, 2, {-1, 0, 3, 6, 2, 2, -1, 0});
    EXPECT_EQ(down.pickRow(0), 2);
    // Constants need not be non-negative: the smallest quotient wins.
    auto negative = fromInts<reel>(3, 2, {-1, 1, -2, -4, 1, 0});
    EXPECT_EQ(negative.pickRow(0), 1);
    // No row opposes the objective, or the objective coefficient is zero.
    auto none = fromInts<reel>(3, 2, {1, 5, 0, 5, 1, 0});
    EXPECT_EQ(none.pickRow(0), -1);
    auto flat = fromInts<reel>(2, 2, {-1, 5, 0, 0});
    EXPECT_EQ(flat.pickRow(0), -1);
}

TEST(LpChoice, PickRowOverflowPropagates) {
    auto m = fromInts<reel>(2, 2, {-4, 1, 1 << 30, 0});
    EXPECT_THROW(m.pickRow(0), mylongint::overflow);
}

// ------------------------------------------------------------ vertex finding

TYPED_TEST(LpTyped, EckenfindungExchangesEachVariableOnce) {
    using T = TypeParam;
    protstream prot;
    // The first worked example with its origin as the start: f_i = a_i x - b_i.
    auto t = fromInts<T>(6, 3, {-1, 0, 4, 0, -1, 3, -1, -1, 5, 1, 0, 0, 0, 1, 0, 3, 2, 0}, &prot);
    EXPECT_TRUE(t.eckenfindung());
    EXPECT_EQ(records(prot), (Lines{"Eckenfindung von", "#", "pivotiere (1,1)", "#",
                                    "pivotiere (3,2)", "#"}));
    EXPECT_EQ(t.unitRows().count(), 2);
    EXPECT_TRUE(t.unitRows().test(0));
    EXPECT_TRUE(t.unitRows().test(2));
    EXPECT_TRUE(lpbuild::sameEntry(t.at(5, 2), T(14))); // 3 * 4 + 2 * 1
}

TEST(Eckenfindung, FailsOnAColumnThatNoConstraintLimits) {
    protstream prot;
    auto t = fromInts<reel>(2, 3, {1, 0, 1, 0, 1, 0}, &prot);
    EXPECT_FALSE(t.eckenfindung());
    EXPECT_EQ(records(prot), (Lines{"Eckenfindung von", "#"}));
}

TEST(Eckenfindung, ZeroObjectiveColumnIsExchangedWhereItBecomesTightGrowing) {
    // Maximise x with 0 <= x <= 1, 0 <= y <= 1, at the origin.
    protstream prot;
    auto t = fromInts<reel>(5, 3, {1, 0, 0, -1, 0, 1, 0, 1, 0, 0, -1, 1, 1, 0, 0}, &prot);
    EXPECT_TRUE(t.eckenfindung());
    EXPECT_EQ(pivots(prot), (Lines{"pivotiere (2,1)", "pivotiere (4,2)"}));
}

TEST(Eckenfindung, ZeroObjectiveColumnBoundOnlyBelowIsExchangedShrinking) {
    // Maximise x with x <= 1 and y >= -2 (form y + 2), at the origin.
    protstream prot;
    auto t = fromInts<reel>(3, 3, {-1, 0, 1, 0, 1, 2, 1, 0, 0}, &prot);
    EXPECT_TRUE(t.eckenfindung());
    EXPECT_EQ(pivots(prot), (Lines{"pivotiere (1,1)", "pivotiere (2,2)"}));
}

// ----------------------------------------------------------- vertex exchange
// Tableaus in variables >= 0, their sign conditions as unit rows.

TEST(Eckenaustausch, OptimalVertexWritesNothing) {
    protstream prot;
    auto t = fromInts<reel>(3, 3, {1, 0, 0, 0, 1, 0, -1, 0, 7}, &prot);
    EXPECT_EQ(t.eckenaustausch(), Exchange::Optimal);
    EXPECT_TRUE(prot.records().empty());
}

TEST(Eckenaustausch, UnboundedEdge) {
    protstream prot;
    auto t = fromInts<reel>(4, 3, {1, 0, 0, 0, 1, 0, -1, 1, 1, 0, 1, 0}, &prot);
    EXPECT_EQ(t.eckenaustausch(), Exchange::Unbounded);
    EXPECT_EQ(records(prot), (Lines{"Eckenaustausch"}));
}

TEST(Eckenaustausch, OptimumReachedByTheLastAllowedStepCounts) {
    // x, y >= 0, x <= y + 1, x + 2y <= 4, maximise x + y: (0,0) -> (1,0) ->
    // (2,1), two steps for three columns.
    protstream prot;
    auto t = fromInts<reel>(5, 3, {1, 0, 0, 0, 1, 0, -1, 1, 1, -1, -2, 4, 1, 1, 0}, &prot);
    EXPECT_EQ(t.eckenaustausch(), Exchange::Optimal);
    EXPECT_EQ(lines(prot), (Lines{"Eckenaustausch", "pivotiere (3,1)", "pivotiere (4,2)"}));
    EXPECT_TRUE(t.at(4, 2).sameFields(reel(3)));
}

TEST(Eckenaustausch, LongWalkGoesOnPastColsMinusOneSteps) {
    // x, y >= 0, x - y <= 1, 2x - y <= 3, 4x - y <= 9, y <= 5, maximise x + y:
    // the walk (0,0), (1,0), (2,1), (3,3), (7/2,5) takes four steps.
    protstream prot;
    auto t = fromInts<reel>(
        7, 3, {1, 0, 0, 0, 1, 0, -1, 1, 1, -2, 1, 3, -4, 1, 9, 0, -1, 5, 1, 1, 0}, &prot);
    EXPECT_EQ(t.eckenaustausch(), Exchange::Optimal);
    EXPECT_EQ(pivots(prot).size(), 4u);
    EXPECT_TRUE(t.at(6, 2).sameFields(reel(17, 2)));
}

TEST(Eckenaustausch, UnboundedEdgeAtTheStepLimitStops) {
    // As above without the upper constraints: after (2,1) the edge along
    // 2x - y = 3 rises for ever.
    auto t = fromInts<reel>(5, 3, {1, 0, 0, 0, 1, 0, -1, 1, 1, -2, 1, 3, 1, 1, 0});
    EXPECT_EQ(t.eckenaustausch(), Exchange::StepLimit);
    EXPECT_FALSE(fromInts<reel>(5, 3, {1, 0, 0, 0, 1, 0, -1, 1, 1, -2, 1, 3, 1, 1, 0}).optimum());
}

TYPED_TEST(LpTyped, EckenaustauschEscapesTheCyclingExample) {
    // Beale's problem: the largest-coefficient rule with the first row among
    // equal ratios cycles through degenerate vertices at the origin and comes
    // back to the starting tableau after twelve steps.
    // Maximise 3/4 x1 - 20 x2 + 1/2 x3 - 6 x4 with x >= 0 and
    //   1/4 x1 - 8 x2 - x3 + 9 x4 <= 0, 1/2 x1 - 12 x2 - 1/2 x3 + 3 x4 <= 0, x3 <= 1.
    using T = TypeParam;
    matrix<T> t(8, 5);
    const T rows[8][5] = {
        {frac<T>(-1, 4), T(8), T(1), T(-9), T(0)},
        {frac<T>(-1, 2), T(12), frac<T>(1, 2), T(-3), T(0)},
        {T(0), T(0), T(-1), T(0), T(1)},
        {T(1), T(0), T(0), T(0), T(0)},
        {T(0), T(1), T(0), T(0), T(0)},
        {T(0), T(0), T(1), T(0), T(0)},
        {T(0), T(0), T(0), T(1), T(0)},
        {frac<T>(3, 4), T(-20), frac<T>(1, 2), T(-6), T(0)},
    };
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 5; ++j) t.at(i, j) = rows[i][j];
    EXPECT_EQ(t.eckenaustausch(), Exchange::Optimal);
    // Optimum 5/4 at x1 = 1, x3 = 1 (doubles carry a rounding residue here).
    if constexpr (std::is_same_v<T, reel>)
        EXPECT_TRUE(t.at(7, 4).sameFields(reel(5, 4)));
    else
        EXPECT_NEAR(t.at(7, 4), 1.25, 1e-12);
}

// ---------------------------------------------------------------- unit rows

TEST(LpUnitRows, OnlyRowsEqualToOneVariable) {
    auto m = fromInts<reel>(8, 3, {1, 0, 0,  // unit
                                   0, 1, 0,  // unit
                                   2, 0, 0,  // leading two
                                   1, 1, 0,  // two entries
                                   0, 0, 0,  // zero
                                   0, 0, 1,  // a constant, no variable
                                   1, 0, 1,  // with a constant
                                   1, 0, 0}); // objective row: never counted
    const sets s = m.unitRows();
    EXPECT_EQ(s.size(), 7);
    EXPECT_EQ(s.count(), 2);
    EXPECT_TRUE(s.test(0));
    EXPECT_TRUE(s.test(1));
}

TEST(LpSolveRows, EmptySetGivesEmptyMatrixAndWritesNothing) {
    protstream prot;
    const auto m = fromInts<reel>(3, 3, kProduction, &prot);
    EXPECT_TRUE(m.solveRows(sets(2)).isEmpty());
    EXPECT_TRUE(prot.records().empty());
}

// ------------------------------------------------------------- first stage

TEST(FindFeasibleLp, UnboundedAuxiliaryProblemStillGivesAFeasiblePoint) {
    // x >= 1 alone: the auxiliary objective grows without bound with x, yet
    // it is negative at the vertex where the search stops.
    protstream prot;
    const auto m = fromInts<reel>(2, 2, {1, 1, -1, 0}, &prot);
    const auto p = m.findFeasible();
    ASSERT_EQ(p.rows(), 1);
    EXPECT_GE(p.at(0, 0), reel(1));
    EXPECT_FALSE(lpbuild::hasLine(prot, "Keine Lösung"));
}

// ------------------------------------------------------------------- simplex

TYPED_TEST(LpTyped, SimplexFirstWorkedExample) {
    using T = TypeParam;
    protstream prot;
    const auto m = fromInts<T>(6, 3, kProduction, &prot);
    const auto x = m.simplex();
    EXPECT_TRUE(hasEntries<T>(x, 2, 1, {T(4), T(1)}));
    EXPECT_EQ(records(prot),
              (Lines{"optimiere", "#", "Ich suche eine Lösung", "Eine Lösung", "#",
                     "Ausgangsmatrix zu Eckensuche", "Eckenfindung von", "#", "pivotiere (1,1)",
                     "#", "pivotiere (3,2)", "#", "Gauss-Jordan von", "#", "Gauss-Jordan nr.1",
                     "#", "Gauss-Jordan nr.2", "#", "Lösung", "#"}));
    // The vertex search starts from the origin moved into the constants.
    const matrix<T>* start = lpbuild::snapshot<T>(prot, 2);
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(hasEntries<T>(*start, 6, 3,
                              {T(-1), T(0), T(4), T(0), T(-1), T(3), T(-1), T(-1), T(5), T(1),
                               T(0), T(0), T(0), T(1), T(0), T(3), T(2), T(0)}));
}

TYPED_TEST(LpTyped, SimplexSecondWorkedExampleSearchesAFeasiblePointFirst) {
    using T = TypeParam;
    protstream prot;
    const auto x = fromInts<T>(4, 3, kShifted, &prot).simplex();
    EXPECT_TRUE(hasEntries<T>(x, 2, 1, {T(1), T(4)}));
    // Three exchange steps reach the auxiliary optimum; its tight rows, taken
    // as equations with the auxiliary variable, give the start (2, 2).
    EXPECT_EQ(lines(prot),
              (Lines{"optimiere", "Ich suche eine Lösung",
                     "Ausgangsmatrix zur Suche nach einer Lösung", "Eckenfindung von",
                     "pivotiere (1,3)", "pivotiere (2,1)", "pivotiere (3,2)", "Gauss-Jordan von",
                     "Gauss-Jordan nr.1", "Gauss-Jordan nr.2", "Gauss-Jordan nr.3", "Lösung",
                     "Eine Lösung", "Ausgangsmatrix zu Eckensuche", "Eckenfindung von",
                     "pivotiere (3,2)", "pivotiere (1,1)", "Gauss-Jordan von", "Gauss-Jordan nr.1",
                     "Gauss-Jordan nr.2", "Lösung"}));
    const matrix<T>* start = lpbuild::snapshot<T>(prot, 10); // after "Eine Lösung"
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(hasEntries<T>(*start, 2, 1, {T(2), T(2)}));
}

TEST(SimplexLp, UnboundedProblemHasNoResult) {
    // Maximise x with x >= 0.
    protstream prot;
    const auto x = fromInts<reel>(2, 2, {1, 0, 1, 0}, &prot).simplex();
    EXPECT_TRUE(x.isEmpty());
    EXPECT_EQ(lines(prot).back(), "Es gibt keine optimale Lösung");
    EXPECT_FALSE(lpbuild::hasLine(prot, "Keine Lösung"));
}

// Cases in which the plain method goes wrong, each with its answer.

TYPED_TEST(LpTyped, SimplexZeroObjectiveColumnInVertexFinding) {
    using T = TypeParam;
    // Maximise -2x + 3y with 2x - 3y >= -6, 0 <= x <= 4, 0 <= y <= 4: optimum 6
    // on a whole edge; y is exchanged first, then x, whose coefficient is 0.
    const auto m = fromInts<T>(6, 3, {2, -3, -6, 1, 0, 0, -1, 0, -4, 0, 1, 0, 0, -1, -4, -2, 3, 0});
    const auto x = m.simplex();
    EXPECT_TRUE(hasEntries<T>(x, 2, 1, {T(3), T(4)}));
    // Maximise x with 0 <= x <= 1, 0 <= y <= 1.
    const auto box = fromInts<T>(5, 3, {1, 0, 0, -1, 0, -1, 0, 1, 0, 0, -1, -1, 1, 0, 0});
    EXPECT_TRUE(hasEntries<T>(box.simplex(), 2, 1, {T(1), T(1)}));
}

TYPED_TEST(LpTyped, SimplexOptimumNeedingColsMinusOneExchanges) {
    using T = TypeParam;
    // Maximise -4x + 4y - 2 with 3x + 3y >= 0, 4x + 2y >= 0, 0 <= x <= 1,
    // -2 <= y <= 1: the vertex exchange takes exactly two steps to (0, 1).
    protstream prot;
    const auto m = fromInts<T>(
        7, 3, {3, 3, 0, 4, 2, 0, 1, 0, 0, -1, 0, -1, 0, 1, -2, 0, -1, -1, -4, 4, 2}, &prot);
    EXPECT_TRUE(hasEntries<T>(m.simplex(), 2, 1, {T(0), T(1)}));
    int exchanges = -1;
    for (const auto& l : lines(prot)) {
        if (l == "Eckenaustausch") exchanges = 0;
        else if (exchanges >= 0 && l.rfind("pivotiere", 0) == 0) ++exchanges;
    }
    EXPECT_EQ(exchanges, 2);
}

TYPED_TEST(LpTyped, SimplexLongWalk) {
    using T = TypeParam;
    // x, y >= 0, x - y <= 1, 2x - y <= 3, 4x - y <= 9, y <= 5, maximise x + y.
    const auto m = fromInts<T>(
        7, 3, {1, 0, 0, 0, 1, 0, -1, 1, -1, -2, 1, -3, -4, 1, -9, 0, -1, -5, 1, 1, 0});
    EXPECT_TRUE(hasEntries<T>(m.simplex(), 2, 1, {frac<T>(7, 2), T(5)}));
}

TYPED_TEST(LpTyped, SimplexFirstStageUnboundedWithNegativeAuxiliaryObjective) {
    using T = TypeParam;
    // x >= 1, maximise -x.
    protstream prot;
    EXPECT_TRUE(hasEntries<T>(fromInts<T>(2, 2, {1, 1, -1, 0}, &prot).simplex(), 1, 1, {T(1)}));
    EXPECT_FALSE(lpbuild::hasLine(prot, "Keine Lösung"));
    // -x - y >= 1, 3x + y >= -2, maximise x + y: optimum -1 at (-1/2, -1/2).
    const auto m = fromInts<T>(3, 3, {-1, -1, 1, 3, 1, -2, 1, 1, 0});
    EXPECT_TRUE(hasEntries<T>(m.simplex(), 2, 1, {frac<T>(-1, 2), frac<T>(-1, 2)}));
}

TYPED_TEST(LpTyped, SimplexInfeasibleSaysSo) {
    using T = TypeParam;
    // x >= 2 and x <= 1, maximise x.
    protstream prot;
    EXPECT_TRUE(fromInts<T>(3, 2, {1, 2, -1, -1, 1, 0}, &prot).simplex().isEmpty());
    EXPECT_EQ(lines(prot).back(), "Keine Lösung");
    EXPECT_EQ(lpbuild::linesStarting(prot, "Es gibt keine").size(), 0u);
    // x + y >= 3, x <= 1, y <= 1: the auxiliary problem ends at its optimum -1/3.
    protstream prot2;
    const auto m = fromInts<T>(4, 3, {1, 1, 3, -1, 0, -1, 0, -1, -1, 1, 1, 0}, &prot2);
    EXPECT_TRUE(m.simplex().isEmpty());
    EXPECT_EQ(lines(prot2).back(), "Keine Lösung");
}

TYPED_TEST(LpTyped, SimplexOptimumOnALineKeepsPointFeasible) {
    using T = TypeParam;
    // 0 <= x + y <= 1, maximise x + y: every point of the line x + y = 1 is
    // optimal; column 0 is one of them, column 1 runs along the line.
    const auto m = fromInts<T>(3, 3, {1, 1, 0, -1, -1, -1, 1, 1, 0});
    const auto x = m.simplex();
    ASSERT_EQ(x.rows(), 2);
    ASSERT_EQ(x.cols(), 2);
    for (std::int32_t i = 0; i < 2; ++i) EXPECT_GE(formAt(m, i, x, 0), T(0));
    EXPECT_TRUE(lpbuild::sameEntry(formAt(m, 2, x, 0), T(1)));
    EXPECT_TRUE(lpbuild::sameEntry(x.at(0, 1) + x.at(1, 1), T(0)));
    EXPECT_NE(entrySign(x.at(0, 1)), 0);
}

TYPED_TEST(LpTyped, SimplexWithoutAnyVariableInvolvedGivesEveryPoint) {
    using T = TypeParam;
    // 0 >= -1, maximise 0: the origin and both unit directions.
    const auto m = fromInts<T>(2, 3, {0, 0, -1, 0, 0, 0});
    EXPECT_TRUE(hasEntries<T>(m.simplex(), 2, 3, {T(0), T(1), T(0), T(0), T(0), T(1)}));
}
