// The matrix container: storage, clamped access, blocks, paste corners,
// transpose, resize and the text form of its entries.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "matrix.h"

namespace {

matrix<double> fromRows(std::int32_t rows, std::int32_t cols, std::vector<double> v) {
    matrix<double> m(rows, cols);
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols; ++c) m.at(r, c) = v[std::size_t(r) * cols + c];
    return m;
}

std::vector<double> entries(const matrix<double>& m) {
    std::vector<double> v;
    for (std::int32_t r = 0; r < m.rows(); ++r)
        for (std::int32_t c = 0; c < m.cols(); ++c) v.push_back(m.at(r, c));
    return v;
}

// 1 .. rows*cols in row-major order.
matrix<double> counting(std::int32_t rows, std::int32_t cols) {
    std::vector<double> v;
    for (int i = 1; i <= rows * cols; ++i) v.push_back(i);
    return fromRows(rows, cols, v);
}

} // namespace

TEST(MatrixStorage, SizesWithoutStorageKeepTheirValues) {
    matrix<reel> m(3, 0);
    EXPECT_EQ(m.rows(), 3);
    EXPECT_EQ(m.cols(), 0);
    EXPECT_FALSE(m.hasData());
    EXPECT_TRUE(m.at(2, 5).sameFields(reel()));
}

TEST(MatrixStorage, SharedZeroCannotBeChangedForLaterReaders) {
    matrix<reel> e;
    e.at(0, 0) = reel(5);
    EXPECT_TRUE(e.at(1, 1).sameFields(reel()));
    matrix<double> d(0, 4);
    d.at(0, 0) = 7.5;
    EXPECT_EQ(d.at(0, 0), 0.0);
    const matrix<double>& cd = d;
    EXPECT_EQ(cd.at(3, 3), 0.0);
}

TEST(MatrixStorage, CopyTakesProtocolAssignmentKeepsItsOwn) {
    auto* p1 = reinterpret_cast<protstream*>(0x10);
    auto* p2 = reinterpret_cast<protstream*>(0x20);
    matrix<double> a(2, 2, p1), b(1, 3, p2);
    b.at(0, 2) = 9;
    matrix<double> copy(b);
    EXPECT_EQ(copy.prot, p2);
    a = b;
    EXPECT_EQ(a.prot, p1);
    EXPECT_EQ(a.rows(), 1);
    EXPECT_EQ(a.cols(), 3);
    EXPECT_EQ(a.at(0, 2), 9.0);
    b.at(0, 2) = 1; // deep copies
    EXPECT_EQ(a.at(0, 2), 9.0);
    EXPECT_EQ(copy.at(0, 2), 9.0);
    const matrix<double>& self = a;
    a = self;
    EXPECT_EQ(a.at(0, 2), 9.0);
}

TEST(MatrixBlock, CornersAreOrderedAndReducedModuloTheSize) {
    auto src = counting(4, 5);
    matrix<double> b(src, 3, 2, 1, 0); // columns 1..3, rows 0..2
    EXPECT_EQ(b.rows(), 3);
    EXPECT_EQ(b.cols(), 3);
    EXPECT_EQ(entries(b), (std::vector<double>{2, 3, 4, 7, 8, 9, 12, 13, 14}));
    matrix<double> wrapped(src, 6, 5, 6, 5); // column 6 -> 1, row 5 -> 1
    EXPECT_EQ(entries(wrapped), (std::vector<double>{7}));
    matrix<double> fromEmpty(matrix<double>(0, 3), 0, 0, 2, 2);
    EXPECT_TRUE(fromEmpty.isEmpty());
}

struct PasteCase {
    int corner;
    std::int32_t r, c;
    std::vector<double> expected; // 4 x 4 target, zero outside the pasted part
};

void PrintTo(const PasteCase& p, std::ostream* os) {
    *os << "corner " << p.corner << " at row " << p.r << ", column " << p.c;
}

class MatrixPaste : public testing::TestWithParam<PasteCase> {};

TEST_P(MatrixPaste, PlacesTheChosenCornerAndCutsTheRest) {
    const auto& p = GetParam();
    matrix<double> target(4, 4);
    target.paste(counting(3, 3), p.c, p.r, Corner(p.corner));
    EXPECT_EQ(entries(target), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, MatrixPaste,
    testing::Values(
        // upper left at (1,1): the whole 3 x 3 fits
        PasteCase{0, 1, 1, {0, 0, 0, 0, 0, 1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9}},
        // upper left at (2,2): only the upper-left 2 x 2 fits
        PasteCase{0, 2, 2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 4, 5}},
        // upper right at (0,1): source columns 1..2 land in target columns 0..1
        PasteCase{1, 0, 1, {2, 3, 0, 0, 5, 6, 0, 0, 8, 9, 0, 0, 0, 0, 0, 0}},
        // lower left at (1,3): source rows 1..2 land in rows 0..1, only column 0 of it fits
        PasteCase{2, 1, 3, {0, 0, 0, 4, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0}},
        // lower right at (1,1): the lower-right 2 x 2 of the source in rows and columns 0..1
        PasteCase{3, 1, 1, {5, 6, 0, 0, 8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // lower right at (3,3): the whole source in the lower-right corner
        PasteCase{3, 3, 3, {0, 0, 0, 0, 0, 1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9}},
        // positions are taken modulo the target size: (5,6) is (1,2)
        PasteCase{0, 5, 6, {0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 4, 5, 0, 0, 7, 8}}));

TEST(MatrixPasteEdges, LargerSourceAndEmptyOperands) {
    matrix<double> small(2, 2);
    small.paste(counting(5, 5), 0, 0, Corner::BottomRight); // at (0,0): the source's (4,4)
    EXPECT_EQ(entries(small), (std::vector<double>{25, 0, 0, 0}));
    small.paste(matrix<double>(0, 0), 0, 0, Corner::TopLeft); // empty source: nothing
    EXPECT_EQ(entries(small), (std::vector<double>{25, 0, 0, 0}));
    matrix<double> empty;
    empty.paste(counting(2, 2), 0, 0, Corner::TopLeft);
    EXPECT_FALSE(empty.hasData());
}

TEST(MatrixShape, TransposeSwapsShapeAndEntries) {
    auto m = counting(2, 3);
    m.transpose();
    EXPECT_EQ(m.rows(), 3);
    EXPECT_EQ(m.cols(), 2);
    EXPECT_EQ(entries(m), (std::vector<double>{1, 4, 2, 5, 3, 6}));
    matrix<double> e(0, 3);
    e.transpose();
    EXPECT_EQ(e.rows(), 0);
    EXPECT_EQ(e.cols(), 3);
}

struct ResizeCase {
    std::int32_t rows, cols;
    bool left, top;
    std::vector<double> expected;
};

void PrintTo(const ResizeCase& c, std::ostream* os) {
    *os << c.rows << "x" << c.cols << (c.left ? " left" : " right") << (c.top ? " top" : " bottom");
}

class MatrixResize : public testing::TestWithParam<ResizeCase> {};

TEST_P(MatrixResize, GrowsOrShrinksAtTheChosenEdges) {
    const auto& p = GetParam();
    auto m = counting(2, 2); // (1 2 / 3 4)
    m.resize(p.rows, p.cols, p.left, p.top);
    EXPECT_EQ(m.rows(), p.rows);
    EXPECT_EQ(m.cols(), p.cols);
    EXPECT_EQ(entries(m), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MatrixResize,
    testing::Values(ResizeCase{3, 3, true, true, {0, 0, 0, 0, 1, 2, 0, 3, 4}},
                    ResizeCase{3, 3, false, false, {1, 2, 0, 3, 4, 0, 0, 0, 0}},
                    ResizeCase{1, 1, true, true, {4}}, ResizeCase{1, 1, false, false, {1}},
                    ResizeCase{2, 3, true, false, {0, 1, 2, 0, 3, 4}},
                    ResizeCase{3, 1, false, true, {0, 1, 3}}));

TEST(MatrixShape, ResizeLeavesEmptyAndUnchangedMatricesAlone) {
    matrix<double> e(0, 0);
    e.resize(3, 3, false, false);
    EXPECT_TRUE(e.isEmpty());
    auto m = counting(2, 2);
    m.resize(2, 2, true, true);
    EXPECT_EQ(entries(m), (std::vector<double>{1, 2, 3, 4}));
}

