// The choices inside linear programming that no result shows on its own: the
// column and row rules, the pivot step at a zero, the outcomes of vertex
// exchange and the unit rows. Whole simplex runs are data cases in
// tests/data and are compared with brute force in simplex_bruteforce_test.
#include <gtest/gtest.h>

#include "matrixbuild.h"
#include "mylongint.h"

using matrixbuild::lines;
using matrixbuild::mat;
using Lines = std::vector<std::string>;

TEST(LpChoice, ColumnsByLargestObjectiveLeftmostFirst) {
    // Objective row (-5, 5, 3); the last column holds constants.
    auto m = mat<reel>(2, 4, {1, 1, 1, 0, -5, 5, 3, 0});
    sets used(3);
    for (int expected : {0, 1, 2, -1}) {
        EXPECT_EQ(m.pickColumnAbs(used), expected);
        if (expected >= 0) used.set(expected);
    }
    EXPECT_EQ(m.pickColumn(), 1);
    // A column of zeros is skipped, a zero objective with a constraint entry is not.
    EXPECT_EQ(mat<reel>(2, 3, {0, -1, 1, 0, 0, 0}).pickColumnAbs(sets(2)), 1);
    EXPECT_EQ(mat<reel>(2, 3, {0, 0, 1, 0, 0, 5}).pickColumnAbs(sets(2)), -1);
    EXPECT_EQ(mat<reel>(2, 3, {1, 1, 0, -2, -1, 0}).pickColumn(), 1);
}

TEST(LpChoice, RowsByTheRatioTestFirstAmongEquals) {
    // Objective 1: rows with negative entries limit the growth; 2/1 ties 4/2.
    EXPECT_EQ(mat<reel>(5, 2, {-1, 2, 1, 0, -2, 4, -1, 3, 1, 0}).pickRow(0), 0);
    // Negative objective: rows with positive entries limit the move.
    EXPECT_EQ(mat<reel>(4, 2, {-1, 0, 3, 6, 2, 2, -1, 0}).pickRow(0), 2);
    // Constants need not be non-negative: the smallest quotient wins.
    EXPECT_EQ(mat<reel>(3, 2, {-1, 1, -2, -4, 1, 0}).pickRow(0), 1);
    EXPECT_EQ(mat<reel>(3, 2, {1, 5, 0, 5, 1, 0}).pickRow(0), -1);
    EXPECT_EQ(mat<reel>(2, 2, {-1, 5, 0, 0}).pickRow(0), -1);
    EXPECT_THROW(mat<reel>(2, 2, {-4, 1, 1 << 30, 0}).pickRow(0), mylongint::overflow);
}

TEST(LpPivot, AtZeroOrOutsideChangesNothingButIsWritten) {
    protstream prot;
    auto m = mat<reel>(2, 3, {0, 1, 2, 1, 1, 3}, &prot);
    for (auto [r, c] : {std::pair{0, 0}, {2, 1}, {1, 3}, {-1, 0}}) m.pivotiere(r, c);
    EXPECT_EQ(matrixbuild::shown(m), "0\t1\t2\t\n1\t1\t3\t\n");
    EXPECT_EQ(lines(prot),
              (Lines{"pivotiere (1,1)", "pivotiere (3,2)", "pivotiere (2,4)", "pivotiere (0,1)"}));
    EXPECT_EQ(prot.records().size(), 8u); // a snapshot after each
}

// Tableaus in variables >= 0, their sign conditions as unit rows.
TEST(Eckenaustausch, OptimumUnboundedEdgeAndStepLimit) {
    struct Case {
        std::int32_t rows;
        std::vector<int> tableau;
        Exchange outcome;
        std::size_t steps;
    };
    const Case cases[] = {
        {3, {1, 0, 0, 0, 1, 0, -1, 0, 7}, Exchange::Optimal, 0},            // optimal already
        {4, {1, 0, 0, 0, 1, 0, -1, 1, 1, 0, 1, 0}, Exchange::Unbounded, 0}, // unbounded edge
        // x <= y + 1, x + 2y <= 4, maximise x + y: optimal after the last allowed step.
        {5, {1, 0, 0, 0, 1, 0, -1, 1, 1, -1, -2, 4, 1, 1, 0}, Exchange::Optimal, 2},
        // A walk of four steps, past cols - 1.
        {7,
         {1, 0, 0, 0, 1, 0, -1, 1, 1, -2, 1, 3, -4, 1, 9, 0, -1, 5, 1, 1, 0},
         Exchange::Optimal,
         4},
        // After two steps the edge along 2x - y = 3 rises for ever.
        {5, {1, 0, 0, 0, 1, 0, -1, 1, 1, -2, 1, 3, 1, 1, 0}, Exchange::StepLimit, 2},
    };
    for (const Case& c : cases) {
        protstream prot;
        auto t = mat<reel>(c.rows, 3, c.tableau, &prot);
        EXPECT_EQ(t.eckenaustausch(), c.outcome) << c.rows;
        const Lines l = lines(prot);
        EXPECT_EQ(l.size(), c.outcome == Exchange::Optimal && c.steps == 0 ? 0 : c.steps + 1)
            << c.rows;
    }
}

TEST(LpUnitRows, OnlyRowsEqualToOneVariableAndNeverTheObjective) {
    // unit, unit, leading two, two entries, zero, constant only, with a constant, objective
    const auto m =
        mat<reel>(8, 3, {1, 0, 0, 0, 1, 0, 2, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 0});
    const sets s = m.unitRows();
    EXPECT_EQ(s.size(), 7);
    EXPECT_EQ(s.count(), 2);
    EXPECT_TRUE(s.test(0) && s.test(1));
    EXPECT_TRUE(mat<reel>(3, 3, {}).solveRows(sets(2)).isEmpty());
}
