// Product, sum and difference of two matrices with their protocols.
#include <gtest/gtest.h>

#include <random>

#include "intreference.h"
#include "matrixbuild.h"
#include "mylongint.h"

using namespace matrixbuild;

namespace {
template <class T> class ArithmeticExamples : public ::testing::Test {};
TYPED_TEST_SUITE(ArithmeticExamples, EntryTypes, EntryTypeNames);
} // namespace

TYPED_TEST(ArithmeticExamples, ProductWithProtocolInTheFirstOperand) {
    using T = TypeParam;
    protstream p, other;
    auto a = mat<T>(2, 3, {1, 2, 3, 4, 5, 6}, &p);
    const auto b = mat<T>(3, 2, {1, 0, 0, 1, 1, 1}, &other);
    const auto start = a;
    a.multiply(b);
    const auto product = mat<T>(2, 2, {4, 5, 10, 11});
    EXPECT_TRUE(sameMatrix(a, product));
    EXPECT_EQ(a.prot, &p);
    EXPECT_EQ(written(p), "Multiplikation von 2 Matrizen.\n" + shown(start) + "mal\n" + shown(b) +
                              "Ergebniss = (2*2) Matrix\n" + shown(product));
    EXPECT_EQ(written(other), "");
}

TYPED_TEST(ArithmeticExamples, ProductIsSquareInTheRowsOfTheFirstOperand) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(3, 1, {1, 2, 3}, &p);
    a.multiply(mat<T>(1, 3, {1, -1, 2}));
    EXPECT_TRUE(sameMatrix(a, mat<T>(3, 3, {1, -1, 2, 2, -2, 4, 3, -3, 6})));
    EXPECT_NE(written(p).find("Ergebniss = (3*3) Matrix\n"), std::string::npos);
    auto c = mat<T>(1, 3, {1, -1, 2});
    c.multiply(mat<T>(3, 1, {1, 2, 3}));
    EXPECT_TRUE(sameMatrix(c, mat<T>(1, 1, {5})));
}

TYPED_TEST(ArithmeticExamples, OperandOfTheWrongShapeChangesNothing) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(2, 3, {1, 2, 3, 4, 5, 6}, &p);
    const auto start = a;
    a.multiply(matrix<T>(3, 3));
    a.multiply(matrix<T>(2, 3)); // same shape is not the transposed one
    a.add(matrix<T>(3, 2));
    a.subtract(matrix<T>(2, 2));
    EXPECT_TRUE(sameMatrix(a, start));
    EXPECT_EQ(written(p), "");
}

TYPED_TEST(ArithmeticExamples, SumAndDifferenceWithProtocol) {
    using T = TypeParam;
    protstream p;
    auto a = mat<T>(2, 2, {1, -2, 3, 4}, &p);
    const auto b = mat<T>(2, 2, {5, 6, -7, 8});
    a.add(b);
    const auto sum = mat<T>(2, 2, {6, 4, -4, 12});
    EXPECT_TRUE(sameMatrix(a, sum));
    EXPECT_EQ(written(p), "Addition von 2 Matrizen.\n" + shown(mat<T>(2, 2, {1, -2, 3, 4})) +
                              "plus\n" + shown(b) + "Ergebniss\n" + shown(sum));
    p.clear();
    a.subtract(b);
    EXPECT_TRUE(sameMatrix(a, mat<T>(2, 2, {1, -2, 3, 4})));
    EXPECT_EQ(written(p), "Substraktion von 2 Matrizen.\n" + shown(sum) + "minus\n" + shown(b) +
                              "Ergebniss\n" + shown(a));
}

TYPED_TEST(ArithmeticExamples, DifferenceOfEqualMatricesIsZero) {
    using T = TypeParam;
    auto a = mat<T>(2, 3, {frac<T>(1, 3), -2, 7, 0, 5, -1});
    a.subtract(a);
    EXPECT_TRUE(sameMatrix(a, matrix<T>(2, 3)));
}

TYPED_TEST(ArithmeticExamples, ProductMatchesIntegerReference) {
    using T = TypeParam;
    std::mt19937 gen(42);
    for (int n = 0; n < 200; ++n) {
        const int m = std::uniform_int_distribution<int>(1, 5)(gen);
        const int k = std::uniform_int_distribution<int>(1, 6)(gen);
        const auto a = intreference::randomInts(gen, m, k, n % 3);
        const auto b = intreference::randomInts(gen, k, m, n % 3);
        auto x = intreference::toMatrix<T>(a);
        x.multiply(intreference::toMatrix<T>(b));
        intreference::IntMatrix c(m, std::vector<std::int64_t>(m));
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < m; ++j)
                for (int l = 0; l < k; ++l)
                    c[i][j] += a[i][l] * b[l][j];
        ASSERT_TRUE(sameMatrix(x, intreference::toMatrix<T>(c)));
    }
}

TEST(ArithmeticExact, FractionsAddExactly) {
    protstream p;
    auto a = mat<reel>(2, 2, {reel(1, 2), reel(1, 2), reel(1, 2), reel(1, 2)}, &p);
    a.add(mat<reel>(2, 2, {reel(1, 3), reel(1, 3), reel(1, 3), reel(1, 3)}));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(a.at(r, c).sameFields(reel(5, 6)));
    const std::string text = written(p);
    EXPECT_EQ(text.substr(text.rfind("Ergebniss")), "Ergebniss\n5/6\t5/6\t\n5/6\t5/6\t\n");
}

TEST(ArithmeticExact, OverflowInTheSumStopsBeforeTheResult) {
    protstream p;
    auto a = mat<reel>(1, 3, {1, 2147483647, 5}, &p);
    const auto b = mat<reel>(1, 3, {1, 1, 1});
    const auto start = a;
    EXPECT_THROW(a.add(b), mylongint::overflow);
    EXPECT_EQ(written(p), "Addition von 2 Matrizen.\n" + shown(start) + "plus\n" + shown(b));
    // Entries before the failing one are replaced, the rest are not.
    EXPECT_TRUE(sameMatrix(a, mat<reel>(1, 3, {2, 2147483647, 5})));
}

TEST(ArithmeticExact, OverflowInTheProductLeavesTheMatrix) {
    protstream p;
    auto a = mat<reel>(1, 2, {65536, 1}, &p);
    const auto start = a;
    const auto b = mat<reel>(2, 1, {65536, 1});
    EXPECT_THROW(a.multiply(b), mylongint::overflow);
    EXPECT_TRUE(sameMatrix(a, start));
    EXPECT_EQ(written(p), "Multiplikation von 2 Matrizen.\n" + shown(start) + "mal\n" + shown(b));
}
