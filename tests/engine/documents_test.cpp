// Matrix documents: number kinds, cell texts, element text, copies, and the
// algorithm operations that replace a document by their result.
#include <gtest/gtest.h>

#include <sstream>

#include "documentcopy.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstream.h"

struct ExactCellCase {
    const char* typed;
    const char* shown;
};

void PrintTo(const ExactCellCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class ExactCells : public testing::TestWithParam<ExactCellCase> {};

TEST_P(ExactCells, TypedTextIsStoredNormalisedAndShownWithCommas) {
    MatrixReel m(2, 2, nullptr);
    m.setCellText(1, 1, GetParam().typed);
    EXPECT_EQ(m.cellText(1, 1, {}), GetParam().shown);
    EXPECT_TRUE(m.at(1, 1).isNormal());
}

INSTANTIATE_TEST_SUITE_P(Texts, ExactCells,
                         testing::Values(ExactCellCase{"3,1,2,", "3,1,2"},
                                         ExactCellCase{"3/1/2", "3,1,2"}, ExactCellCase{"", "0"},
                                         ExactCellCase{"1,2", "1,2"}, ExactCellCase{"-1,2", "-1,2"},
                                         ExactCellCase{"4,2", "2"}, ExactCellCase{"5", "5"},
                                         ExactCellCase{"-2,1,3", "-2,1,3"},
                                         ExactCellCase{"abc", "0"},
                                         ExactCellCase{"2147483647,3,2", "0"},
                                         ExactCellCase{"-2147483648", "0"}));

TEST(Documents, FloatCellsFollowTheDisplayFormat) {
    MatrixFloat m(1, 2, nullptr);
    m.setCellText(0, 0, "2.5e1xyz");
    m.setCellText(0, 1, "x");
    EXPECT_EQ(m.at(0, 0), 25.0);
    EXPECT_EQ(m.at(0, 1), 0.0);
    m.setCellText(0, 1, "1e999");
    EXPECT_EQ(m.at(0, 1), 0.0);
    m.setCellText(0, 1, "0.125");
    EXPECT_EQ(m.cellText(0, 0, {}), "25");
    EXPECT_EQ(m.cellText(0, 1, {1, false, true, 2}), "+0.12");
}

TEST(Documents, FloatCopyOfAnExactDocument) {
    protstream p, q;
    MatrixReel m(1, 2, &p);
    m.at(0, 0) = reel(1, 3);
    m.at(0, 1) = reel(-2, 1, 2);
    auto f = floatCopy(m, &q);
    ASSERT_EQ(f->kind(), MatrixObject::Float);
    auto& fd = dynamic_cast<MatrixFloat&>(*f);
    EXPECT_DOUBLE_EQ(fd.at(0, 0), 1.0 / 3.0);
    EXPECT_EQ(fd.at(0, 1), -2.5);
    EXPECT_EQ(fd.prot, &q);
    EXPECT_EQ(m.cellText(0, 1, {}), "-2,1,2");
}

TEST(Documents, CopiesShareTheGivenProtocolAndNothingElse) {
    protstream p, q;
    MatrixReel m(1, 1, &p);
    m.at(0, 0) = reel(7);
    auto c = copyDocument(m, &q);
    auto& cr = dynamic_cast<MatrixReel&>(*c);
    EXPECT_EQ(cr.prot, &q);
    cr.at(0, 0) = reel(1);
    EXPECT_EQ(m.cellText(0, 0, {}), "7");
}

TEST(Documents, AnOverflowLeavesAReplacedDocumentUnchanged) {
    protstream p;
    MatrixReel m(2, 2, &p);
    m.at(0, 0) = reel(1, 65536);
    m.at(0, 1) = reel(1, 65535);
    m.at(1, 0) = reel(1, 65533);
    m.at(1, 1) = reel(1, 65521);
    std::ostringstream before;
    m.write(before);
    EXPECT_THROW(m.inverse(), mylongint::overflow);
    std::ostringstream after;
    m.write(after);
    EXPECT_EQ(after.str(), before.str());
    EXPECT_FALSE(p.records().empty()); // the steps before the failure remain
}
