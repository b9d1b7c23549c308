// The matrix container: storage and copies here; blocks, paste corners,
// transpose and resize as rows of tests/data/matrixformen.txt, on counting
// matrices (1 .. rows * cols row by row): "operation sizes numbers -> the
// shape and the rows".
#include <gtest/gtest.h>

#include <sstream>

#include "matrix.h"
#include "rowfile.h"

namespace {

matrix<double> counting(std::int32_t rows, std::int32_t cols) {
    matrix<double> m(rows, cols);
    for (std::int32_t k = 0; k < rows * cols; ++k) m.at(k / cols, k % cols) = k + 1;
    return m;
}

// The numbers of the given side, "3x4" as 3 and 4; words only name them.
std::string shaped(const Row& row) {
    std::vector<int> n;
    std::istringstream words(row.given);
    for (std::string w; words >> w;) {
        std::istringstream number(w);
        for (int v; number >> v; number.ignore()) n.push_back(v);
    }
    const std::string op = row.given.substr(0, row.given.find(' '));
    matrix<double> m = counting(n[0], n[1]);
    if (op == "block") m = matrix<double>(m, n[2], n[4], n[3], n[5]);
    if (op == "einfügen") {
        matrix<double> target(n[2], n[3]);
        target.paste(m, n[6], n[5], Corner(n[4]));
        m = target;
    }
    if (op == "transponiert") m.transpose();
    if (op == "größe") m.resize(n[2], n[3], n[4], n[5]);
    std::ostringstream out;
    out << m.rows() << "x" << m.cols() << (m.hasData() ? ":" : " ohne Speicher");
    for (std::int32_t r = 0; m.hasData() && r < m.rows(); ++r)
        for (std::int32_t c = 0; c < m.cols(); ++c) out << (c || !r ? " " : " / ") << m.at(r, c);
    return out.str();
}

} // namespace

LINEON_ROW_TESTS(shaped, "matrixformen.txt");

TEST(MatrixStorage, EmptyMatricesKeepTheirSizeTheSharedZeroStaysCopiesAreDeep) {
    matrix<reel> e(3, 0);
    EXPECT_EQ(e.rows() * 10 + e.cols(), 30);
    EXPECT_FALSE(e.hasData());
    e.at(0, 0) = reel(5);
    EXPECT_TRUE(e.at(2, 5).sameFields(reel()));
    matrix<double> d(0, 4);
    d.at(0, 0) = 7.5;
    EXPECT_EQ(static_cast<const matrix<double>&>(d).at(3, 3), 0.0);

    // A copy takes the protocol, an assignment keeps its own; both are deep.
    auto* p1 = reinterpret_cast<protstream*>(0x10);
    auto* p2 = reinterpret_cast<protstream*>(0x20);
    matrix<double> a(2, 2, p1), b(1, 3, p2);
    b.at(0, 2) = 9;
    matrix<double> copy(b);
    a = b;
    const matrix<double>& self = a;
    a = self;
    b.at(0, 2) = 1;
    EXPECT_EQ(copy.prot, p2);
    EXPECT_EQ(a.prot, p1);
    EXPECT_EQ(a.rows() * 10 + a.cols(), 13);
    EXPECT_EQ(a.at(0, 2) + copy.at(0, 2), 18.0);
}
