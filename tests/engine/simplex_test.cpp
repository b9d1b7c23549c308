// A pivot step at a zero or outside the tableau changes nothing but is
// written, as a user asked for it. Every other choice of linear programming
// (columns, rows, ties, outcomes) shows in the protocols of the data cases in
// tests/data, and simplex_bruteforce_test compares whole runs with brute force.
#include <gtest/gtest.h>

#include "matrixbuild.h"

using Lines = std::vector<std::string>;

TEST(LpPivot, AtZeroOrOutsideChangesNothingButIsWritten) {
    protstream prot;
    auto m = matrixbuild::mat<reel>(2, 3, {0, 1, 2, 1, 1, 3}, &prot);
    for (auto [r, c] : {std::pair{0, 0}, {2, 1}, {1, 3}, {-1, 0}}) m.pivotiere(r, c);
    EXPECT_EQ(matrixbuild::shown(m), "0\t1\t2\t\n1\t1\t3\t\n");
    EXPECT_EQ(matrixbuild::lines(prot),
              (Lines{"pivotiere (1,1)", "pivotiere (3,2)", "pivotiere (2,4)", "pivotiere (0,1)"}));
    EXPECT_EQ(prot.records().size(), 8u); // a snapshot after each
}
