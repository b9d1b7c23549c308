// Checked 32-bit arithmetic and gcd.
#include "mylongint.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <random>
#include <string>

namespace {

constexpr std::int32_t kMax = 2147483647;
constexpr std::int64_t kOverflow = INT64_MIN; // marks rows that must raise

std::int32_t apply(char op, std::int32_t a, std::int32_t b) {
    return op == '+'   ? mylongint::add(a, b)
           : op == '-' ? mylongint::sub(a, b)
                       : mylongint::mul(a, b);
}

// The edges of the range. -2147483648 is not a value of this system, so every
// way of reaching it is an overflow as well.
TEST(CheckedArithmetic, RangeEdges) {
    struct Row {
        std::int32_t a;
        char op;
        std::int32_t b;
        std::int64_t want;
    };
    // clang-format off
    const Row rows[] = {
        {kMax, '+', 1, kOverflow},         {kMax, '+', 0, kMax},
        {kMax - 1, '+', 1, kMax},          {-kMax, '-', 1, kOverflow},
        {-kMax, '+', -1, kOverflow},       {-kMax + 1, '+', -1, -kMax},
        {0, '-', kMax, -kMax},             {kMax, '-', -1, kOverflow},
        {kMax, '+', -kMax, 0},             {65536, '*', 32768, kOverflow},
        {-65536, '*', 32768, kOverflow},   {46340, '*', 46340, 2147395600},
        {-46340, '*', 46340, -2147395600}, {46341, '*', 46341, kOverflow},
        {kMax, '*', -1, -kMax},            {kMax, '*', 2, kOverflow}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + row.op + std::to_string(row.b));
        if (row.want == kOverflow)
            EXPECT_THROW(apply(row.op, row.a, row.b), mylongint::overflow);
        else
            EXPECT_EQ(apply(row.op, row.a, row.b), row.want);
    }
}

TEST(CheckedArithmetic, AgreesWithWideArithmeticOnRandomOperands) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::int32_t> any(-kMax, kMax), mid(-70000, 70000);
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t a = (i & 1) ? any(rng) : mid(rng);
        const std::int32_t b = (i & 2) ? any(rng) : mid(rng);
        const std::int64_t wide[] = {std::int64_t(a) + b, std::int64_t(a) - b, std::int64_t(a) * b};
        for (int k = 0; k < 3; ++k) {
            const char op = "+-*"[k];
            if (wide[k] > kMax || wide[k] < -kMax)
                ASSERT_THROW(apply(op, a, b), mylongint::overflow) << a << op << b;
            else
                ASSERT_EQ(apply(op, a, b), wide[k]) << a << op << b;
        }
    }
}

TEST(Gcd, WorksOnMagnitudesAndZero) {
    EXPECT_EQ(gcd(-12, 18), 6);
    EXPECT_EQ(gcd(0, -7), 7);
    EXPECT_EQ(gcd(0, 0), 0);
    // The one value without a magnitude.
    EXPECT_EQ(gcd(-2147483647 - 1, 6), 2);
    EXPECT_EQ(gcd(-2147483647 - 1, kMax), 1);
}

TEST(Gcd, AgreesWithStdGcd) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int32_t> any(-kMax, kMax), factor(1, 5000);
    for (int i = 0; i < 20000; ++i) {
        std::int32_t a = any(rng), b = any(rng);
        if (i % 3 == 0) {
            // A shared factor now and then; random pairs are nearly always coprime.
            const std::int32_t f = factor(rng);
            a = a / f / 2 * f;
            b = b / f / 2 * f;
        }
        ASSERT_EQ(gcd(a, b), std::gcd(std::int64_t(a), std::int64_t(b))) << a << " " << b;
    }
}

} // namespace
