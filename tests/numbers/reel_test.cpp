// Construction, normal form, reciprocal, sign and conversion of the exact
// fraction type. The binary operators and comparisons are checked against
// 128-bit rational arithmetic in reel_property_test.cpp.
#include "reel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::int32_t kMax = 2147483647;

std::string fields(const reel& r) {
    return "{" + std::to_string(r.whole) + "," + std::to_string(r.num) + "," +
           std::to_string(r.den) + "}";
}

// Exact fields, and the normal form whenever the fields claim to be normal.
::testing::AssertionResult hasFields(const reel& r, std::int32_t w, std::int32_t n,
                                     std::int32_t d) {
    const reel want = reel::raw(w, n, d);
    if (!r.sameFields(want))
        return ::testing::AssertionFailure() << "got " << fields(r) << ", want " << fields(want);
    if (want.isNormal() != r.isNormal())
        return ::testing::AssertionFailure() << fields(r) << " isNormal() is wrong";
    return ::testing::AssertionSuccess();
}

struct Fields {
    std::int32_t w, n, d;
};

TEST(ReelConstruct, FractionTakesMagnitudesAndAnyMinus) {
    struct Row {
        std::int32_t n, d;
        Fields want;
    };
    // clang-format off
    const Row rows[] = {
        {4, 6, {0, 2, 3}},     {6, 4, {1, 1, 2}},     {5, 0, {5, 0, 1}},   {0, 0, {0, 0, 1}},
        {0, -7, {0, 0, 1}},    {-1, 2, {0, -1, 2}},   {1, -2, {0, -1, 2}}, {12, 4, {3, 0, 1}},
        {-1, -2, {0, -1, 2}},  // two minus signs do not cancel
        {-7, 2, {-3, -1, 2}},  {kMax, 1, {kMax, 0, 1}}, {1, kMax, {0, 1, kMax}},
        {-kMax, 2, {-1073741823, -1, 2}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.n) + "/" + std::to_string(row.d));
        EXPECT_TRUE(hasFields(reel(row.n, row.d), row.want.w, row.want.n, row.want.d));
    }
}

TEST(ReelConstruct, MixedIsNegativeWhenAnyComponentIs) {
    struct Row {
        std::int32_t w, n, d;
        Fields want;
    };
    // clang-format off
    const Row rows[] = {
        {1, -1, 3, {-1, -1, 3}},  {-2, 5, 3, {-3, -2, 3}},   {0, 5, 0, {5, 0, 1}},
        {2, 4, 6, {2, 2, 3}},     {-1, -1, -3, {-1, -1, 3}}, {1, 1, -3, {-1, -1, 3}},
        {3, 0, 7, {3, 0, 1}},     {0, -6, 4, {-1, -1, 2}},   {0, 0, 0, {0, 0, 1}},
        {kMax, 1, 2, {kMax, 1, 2}}, {kMax - 1, 3, 2, {kMax, 1, 2}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.w) + " " + std::to_string(row.n) + "/" +
                     std::to_string(row.d));
        EXPECT_TRUE(hasFields(reel(row.w, row.n, row.d), row.want.w, row.want.n, row.want.d));
    }
}

TEST(ReelConstruct, OutOfRangeComponentsOverflow) {
    EXPECT_THROW(reel{INT32_MIN}, mylongint::overflow);
    EXPECT_THROW(reel(INT32_MIN, 1), mylongint::overflow);
    EXPECT_THROW(reel(1, INT32_MIN), mylongint::overflow);
    EXPECT_THROW(reel(INT32_MIN, 1, 2), mylongint::overflow);
    EXPECT_THROW(reel(1, INT32_MIN, 2), mylongint::overflow);
    EXPECT_THROW(reel(1, 2, INT32_MIN), mylongint::overflow);
    // The carry from an improper fraction pushes the whole part out of range.
    EXPECT_THROW(reel(kMax, 3, 2), mylongint::overflow);
    EXPECT_THROW(reel(-kMax, -3, 2), mylongint::overflow);
    EXPECT_THROW(reel(kMax, kMax, kMax), mylongint::overflow);
}

TEST(ReelNormalForm, IsNormalRejectsEachBrokenRule) {
    EXPECT_TRUE(reel().isNormal());
    EXPECT_TRUE(reel::raw(-3, -1, 2).isNormal());
    EXPECT_TRUE(reel::raw(0, -1, 2).isNormal());
    EXPECT_TRUE(reel::raw(kMax, kMax - 1, kMax).isNormal());
    EXPECT_FALSE(reel::raw(0, 0, 0).isNormal()) << "den below 1";
    EXPECT_FALSE(reel::raw(0, 1, -2).isNormal()) << "den below 1";
    EXPECT_FALSE(reel::raw(0, 2, 2).isNormal()) << "|num| not below den";
    EXPECT_FALSE(reel::raw(0, -3, 2).isNormal()) << "|num| not below den";
    EXPECT_FALSE(reel::raw(0, -1, 1).isNormal()) << "|num| not below den";
    EXPECT_FALSE(reel::raw(4, 0, 2).isNormal()) << "zero num needs den 1";
    EXPECT_FALSE(reel::raw(0, 2, 4).isNormal()) << "not reduced";
    EXPECT_FALSE(reel::raw(1, -1, 2).isNormal()) << "opposite signs";
    EXPECT_FALSE(reel::raw(-1, 1, 2).isNormal()) << "opposite signs";
}

TEST(ReelArithmetic, Reciprocal) {
    // -1 comes back with its sign in the numerator: not normal, but allowed.
    EXPECT_TRUE(hasFields(reciprocal(reel(-1)), 0, -1, 1));
    EXPECT_TRUE(hasFields(reciprocal(reel(1)), 1, 0, 1));
    EXPECT_TRUE(hasFields(reciprocal(reel()), 0, 0, 1));
    EXPECT_TRUE(hasFields(reciprocal(reel(4)), 0, 1, 4));
    EXPECT_TRUE(hasFields(reciprocal(reel(-4)), 0, -1, 4));
    EXPECT_TRUE(hasFields(reciprocal(reel(2, 3)), 1, 1, 2));
    EXPECT_TRUE(hasFields(reciprocal(reel(-2, 3)), -1, -1, 2));
    EXPECT_TRUE(hasFields(reciprocal(reel(-1, 3)), -3, 0, 1));
    EXPECT_TRUE(hasFields(reciprocal(reel(-2, 1, 3)), 0, -3, 7));
    EXPECT_TRUE(hasFields(reciprocal(reel(1, kMax)), kMax, 0, 1));
}

TEST(ReelArithmetic, NegationAbsAndSign) {
    EXPECT_TRUE(hasFields(-reel(), 0, 0, 1));
    EXPECT_TRUE(hasFields(-reel(2, 1, 3), -2, -1, 3));
    EXPECT_TRUE(hasFields(-reel(-1, 3), 0, 1, 3));
    EXPECT_TRUE(hasFields(-reel(-kMax), kMax, 0, 1));
    EXPECT_TRUE(hasFields(abs(reel(-2, 1, 3)), 2, 1, 3));
    EXPECT_TRUE(hasFields(abs(reel(-1, 3)), 0, 1, 3));
    EXPECT_EQ(reel().sign(), 0);
    EXPECT_EQ(reel(-1, 3).sign(), -1);
    EXPECT_EQ(reel(1, 3).sign(), 1);
    EXPECT_EQ(reel(-5).sign(), -1);
}

} // namespace
