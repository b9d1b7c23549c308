// Product, sum and difference of two matrices against the integer reference.
// The worked examples with their protocols are data cases in tests/data.
#include <gtest/gtest.h>

#include "matrixbuild.h"

using namespace matrixbuild;

namespace {
template <class T> class Arithmetic : public ::testing::Test {};
using EntryTypes = ::testing::Types<reel, double>;
TYPED_TEST_SUITE(Arithmetic, EntryTypes);
} // namespace

TYPED_TEST(Arithmetic, AgreesWithIntegerArithmetic) {
    using T = TypeParam;
    RandomCases rc(42);
    for (int n = 0; n < 200; ++n) {
        const int m = rc.uniform(1, 5), k = rc.uniform(1, 6);
        const IntMatrix a = rc.next(m, k), b = rc.next(k, m), d = rc.next(m, k);
        IntMatrix product(m, std::vector<std::int64_t>(m)), sum = a, difference = a;
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < m; ++j)
                for (int l = 0; l < k; ++l) product[i][j] += a[i][l] * b[l][j];
        for (int i = 0; i < m; ++i)
            for (int l = 0; l < k; ++l) {
                sum[i][l] += d[i][l];
                difference[i][l] -= d[i][l];
            }
        auto x = toMatrix<T>(a), y = toMatrix<T>(a), z = toMatrix<T>(a);
        x.multiply(toMatrix<T>(b));
        y.add(toMatrix<T>(d));
        z.subtract(toMatrix<T>(d));
        ASSERT_TRUE(sameMatrix(x, toMatrix<T>(product)));
        ASSERT_TRUE(sameMatrix(y, toMatrix<T>(sum)));
        ASSERT_TRUE(sameMatrix(z, toMatrix<T>(difference)));
    }
}
