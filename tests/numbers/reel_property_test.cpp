// Every reel operation either gives the exact, normalised result or raises
// mylongint::overflow, never a wrong value. The ground truth is rational
// arithmetic on 128 bits, which cannot overflow for 32-bit operands.
#include "reel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <utility>

namespace {

using i128 = __int128;
constexpr std::int32_t kMax = 2147483647;

// p/q in lowest terms, q > 0, zero as 0/1.
struct Rat {
    i128 p, q;
    bool operator==(const Rat&) const = default;
};

i128 absv(i128 v) { return v < 0 ? -v : v; }
i128 gcd64(i128 a, i128 b) { return std::gcd(std::uint64_t(absv(a)), std::uint64_t(absv(b))); }

// A normal reel's improper form is already in lowest terms.
Rat valueOf(const reel& r) { return {i128(r.whole) * r.den + r.num, r.den}; }

Rat add(Rat a, Rat b) {
    // Take out the common factor of the denominators first, so that every
    // gcd works on 64-bit values.
    const i128 g = gcd64(a.q, b.q);
    const i128 t = a.p * (b.q / g) + b.p * (a.q / g);
    if (t == 0) return {0, 1};
    const i128 g2 = gcd64(absv(t) % g, g);
    return {t / g2, (a.q / g) * (b.q / g2)};
}

Rat mul(Rat a, Rat b) {
    if (a.p == 0 || b.p == 0) return {0, 1};
    const i128 g1 = gcd64(a.p, b.q), g2 = gcd64(b.p, a.q);
    return {(a.p / g1) * (b.p / g2), (a.q / g2) * (b.q / g1)};
}

// Comparisons come out as 1 or 0, as apply() gives them.
Rat exact(const reel& a, char op, const reel& b) {
    const Rat x = valueOf(a), y = valueOf(b);
    const i128 d = x.p * y.q - y.p * x.q;
    switch (op) {
    case '+': return add(x, y);
    case '-': return add(x, {-y.p, y.q});
    case '*': return mul(x, y);
    case '/': return y.p == 0 ? Rat{0, 1} : mul(x, {y.p < 0 ? -y.q : y.q, absv(y.p)});
    case '<': return {d < 0, 1};
    case '>': return {d > 0, 1};
    case 'l': return {d <= 0, 1};
    case 'g': return {d >= 0, 1};
    default: return {d == 0, 1};
    }
}

reel apply(const reel& a, char op, const reel& b) {
    switch (op) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    case '/': return a / b;
    case '<': return a < b;
    case '>': return a > b;
    case 'l': return a <= b;
    case 'g': return a >= b;
    default: return a == b;
    }
}

std::string show(const reel& r) {
    return "{" + std::to_string(r.whole) + "," + std::to_string(r.num) + "," +
           std::to_string(r.den) + "}";
}

// Outcomes over many cases; the first wrong one is kept for the report.
struct Tally {
    long right = 0, overflowed = 0, wrong = 0;
    std::string firstWrong;

    void check(const reel& a, char op, const reel& b, bool mustSucceed) {
        reel r;
        try {
            r = apply(a, op, b);
        } catch (const mylongint::overflow&) {
            ++overflowed;
            if (mustSucceed) fail(a, op, b, "unexpected overflow");
            return;
        }
        // The oracle only for results: most of the time goes into overflows.
        if (r.isNormal() && valueOf(r) == exact(a, op, b))
            ++right;
        else
            fail(a, op, b, "gave " + show(r));
    }
    void fail(const reel& a, char op, const reel& b, const std::string& why) {
        if (wrong++ == 0) firstWrong = show(a) + " " + op + " " + show(b) + " " + why;
    }
};

// Normalised operands spread over the interesting regions: zero, small values,
// whole parts near +-2^31 and 2^16, denominators near 2^16 (whose products
// leave 32 bits) and near 2^31, and anything in range.
class Operands {
public:
    explicit Operands(std::uint64_t seed) : rng_(seed) {}

    reel any() {
        // Ranges picked uniformly; a repeated range weighs more.
        static constexpr std::pair<std::int32_t, std::int32_t> wholes[] = {
            {0, 0},         {0, 0},          {-100, 100},  {-100, 100}, {kMax - 1000, kMax},
            {65436, 65636}, {-46341, 46341}, {-kMax, kMax}};
        static constexpr std::pair<std::int32_t, std::int32_t> dens[] = {
            {1, 1},       {2, 100},  {65472, 65600}, {65472, 65600}, {kMax - 1000, kMax},
            {2, 1 << 15}, {1, kMax}, {1, kMax}};
        const auto [wlo, whi] = wholes[pick(0, 7)];
        const auto [dlo, dhi] = dens[pick(0, 7)];
        const std::int32_t w = pick(wlo, whi);
        return build(pick(0, 1) ? -w : w, pick(dlo, dhi));
    }
    reel small(std::int32_t wholeLimit, std::int32_t denLimit) {
        return build(pick(-wholeLimit, wholeLimit), pick(1, denLimit));
    }
    // Whole part and denominator spread evenly over bit lengths up to 22, so
    // that products land on either side of the 32-bit limit in every step.
    reel spread() {
        const auto bits = [this] {
            const int k = pick(0, 22);
            return k == 0 ? 0 : pick(1 << (k - 1), (1 << k) - 1);
        };
        const std::int32_t w = bits();
        return build(pick(0, 1) ? -w : w, std::max(1, bits()));
    }

private:
    std::int32_t pick(std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng_);
    }
    // Whole part w and a random proper fraction over d, reduced; plenty of integers.
    reel build(std::int32_t w, std::int32_t d) {
        std::int32_t n = pick(0, 3) == 0 ? 0 : pick(0, d - 1);
        if (n == 0) return reel::raw(w, 0, 1);
        const std::int32_t g = std::gcd(n, d);
        n /= g;
        if (w < 0 || (w == 0 && pick(0, 1))) n = -n;
        return reel::raw(w, n, d / g);
    }
    std::mt19937_64 rng_;
};

// LINEON_PROPERTY_CASES runs a longer search than the suite's default.
const int kCases = [] {
    const char* v = std::getenv("LINEON_PROPERTY_CASES");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 200000;
}();

// The operator under test; 'c' takes the five comparisons in turn.
class ReelProperty : public ::testing::TestWithParam<char> {};

TEST_P(ReelProperty, ExactAndNormalOrOverflow) {
    const char op = GetParam();
    Operands src(0x5eed0000u + std::uint64_t(op));
    Tally t;
    for (int i = 0; i < kCases; ++i) {
        // Mostly against a small right operand: a boundary value against a small
        // one is where a carry or a cancellation just fits, and two large
        // operands nearly always overflow. Equal operands now and then for ties.
        const reel a = src.any();
        const reel b = i % 16 == 0 ? a : i % 4 != 0 ? src.small(100, 100) : src.any();
        ASSERT_TRUE(a.isNormal() && b.isNormal()) << show(a) << show(b);
        t.check(a, op == 'c' ? "<>lg="[i % 5] : op, b, false);
    }
    EXPECT_EQ(t.wrong, 0) << t.firstWrong;
    // The mix must reach both outcomes, or the test proves little.
    EXPECT_GT(t.right, kCases / 4);
    EXPECT_GT(t.overflowed, kCases / 100);
}

TEST_P(ReelProperty, SmallOperandsNeverOverflow) {
    const char op = GetParam();
    Operands src(0xa11ce000u + std::uint64_t(op));
    Tally t;
    for (int i = 0; i < kCases / 4; ++i)
        t.check(src.small(1023, 1024), op == 'c' ? "<>lg="[i % 5] : op, src.small(1023, 1024),
                true);
    EXPECT_EQ(t.wrong, 0) << t.firstWrong;
}

std::string opName(const ::testing::TestParamInfo<char>& info) {
    const char* names[] = {"Add", "Sub", "Mul", "Div", "Compare"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Ops, ReelProperty, ::testing::Values('+', '-', '*', '/', 'c'), opName);

TEST(ReelPropertyMore, SumsWithModerateDenominatorsNeverOverflow) {
    // Common denominators stay below 2^28 and whole parts below 2^30.
    Operands src(99);
    Tally t;
    for (int i = 0; i < kCases / 4; ++i) {
        const reel a = src.small(1 << 29, 1 << 14), b = src.small(1 << 29, 1 << 14);
        t.check(a, '+', b, true);
        t.check(a, '-', b, true);
    }
    EXPECT_EQ(t.wrong, 0) << t.firstWrong;
}

// The product defined as four partial products added with reel addition:
// aw*bw + aw*bn/bd + an/ad*bw + an/ad*bn/bd, each reduced crosswise. Which
// products overflow is fixed by this sequence, whatever shorter way the
// multiplication takes to the same value.
reel partialProducts(const reel& a, const reel& b) {
    const auto part = [](std::int32_t n, std::int32_t d) { return reel::raw(0, n, d); };
    reel r;
    if (a.whole != 0 && b.whole != 0) r = reel::raw(mylongint::mul(a.whole, b.whole), 0, 1);
    if (a.whole != 0 && b.num != 0) {
        const std::int32_t g = gcd(a.whole, b.den);
        r = r + part(mylongint::mul(a.whole / g, b.num), b.den / g);
    }
    if (a.num != 0 && b.whole != 0) {
        const std::int32_t g = gcd(a.den, b.whole);
        r = r + part(mylongint::mul(b.whole / g, a.num), a.den / g);
    }
    if (a.num != 0 && b.num != 0) {
        const std::int32_t g1 = gcd(a.num, b.den), g2 = gcd(b.num, a.den);
        r = r + part(mylongint::mul(a.num / g1, b.num / g2), mylongint::mul(a.den / g2, b.den / g1));
    }
    return r;
}

TEST(ReelPropertyMore, ProductsOverflowExactlyWhereThePartialProductsDo) {
    // Also for division, which multiplies by the reciprocal.
    Operands src(4242);
    long agreed = 0, overflowed = 0;
    for (int i = 0; i < kCases; ++i) {
        const reel a = src.spread(), b = i % 3 == 0 ? src.small(100, 100) : src.spread();
        for (const bool divide : {false, true}) {
            bool want = true, got = true;
            reel expected, r;
            try {
                expected = partialProducts(a, divide ? reciprocal(b) : b);
            } catch (const mylongint::overflow&) {
                want = false;
            }
            try {
                r = divide ? a / b : a * b;
            } catch (const mylongint::overflow&) {
                got = false;
            }
            ASSERT_EQ(got, want) << show(a) << (divide ? " / " : " * ") << show(b)
                                 << (want ? " overflowed" : " gave " + show(r));
            if (want) {
                ASSERT_TRUE(r.sameFields(expected)) << show(a) << " * " << show(b);
            }
            ++agreed;
            overflowed += !want;
        }
    }
    EXPECT_GT(overflowed, agreed / 10);
    EXPECT_LT(overflowed, agreed * 9 / 10);
}

// Hand-picked cases at the 32-bit limits. Exact rows must give the listed
// fields (1 or 0 for comparisons) and Overflow rows must raise. Either rows
// are representable but need an intermediate beyond 32 bits: they may raise,
// but must not give anything other than the listed value.
enum class Outcome { Exact, Overflow, Either };

struct BoundaryRow {
    const char* what;
    reel a;
    char op;
    reel b;
    Outcome outcome;
    reel want;
};

const BoundaryRow kBoundaryRows[] = {
    {"max+0", reel(kMax), '+', reel(), Outcome::Exact, reel(kMax)},
    {"carry up to max", reel(kMax - 1, 1, 2), '+', reel(1, 2), Outcome::Exact, reel(kMax)},
    {"max+1/2", reel(kMax), '+', reel(1, 2), Outcome::Exact, reel(kMax, 1, 2)},
    {"carry past max", reel(kMax, 1, 2), '+', reel(1, 2), Outcome::Overflow, {}},
    {"max-(-1)", reel(kMax), '-', reel(-1), Outcome::Overflow, {}},
    {"-max-1/2", reel(-kMax), '-', reel(1, 2), Outcome::Exact, reel(-kMax, 1, 2)},
    {"carry past -max", reel(-kMax, 1, 2), '-', reel(1, 2), Outcome::Overflow, {}},
    {"-max+max", reel(-kMax), '+', reel(kMax), Outcome::Exact, reel()},
    {"max 1/2 - max", reel(kMax, 1, 2), '-', reel(kMax), Outcome::Exact, reel(1, 2)},
    {"1/max+1/max", reel(1, kMax), '+', reel(1, kMax), Outcome::Exact, reel(2, kMax)},
    {"two near-1 fractions over max", reel(kMax - 1, kMax), '+', reel(kMax - 1, kMax),
     Outcome::Either, reel(1, kMax - 2, kMax)},
    {"1/2^16+1/2^16", reel(1, 65536), '+', reel(1, 65536), Outcome::Exact, reel(1, 32768)},
    {"1/2^16+1/(2^16+1)", reel(1, 65536), '+', reel(1, 65537), Outcome::Overflow, {}},
    {"1/2^16*1/2^16", reel(1, 65536), '*', reel(1, 65536), Outcome::Overflow, {}},
    {"1/46340^2", reel(1, 46340), '*', reel(1, 46340), Outcome::Exact, reel(1, 2147395600)},
    // Fits only after cancelling each numerator against the other denominator.
    {"65535/65536*65536/65537", reel(65535, 65536), '*', reel(65536, 65537), Outcome::Exact,
     reel(65535, 65537)},
    {"65536/65537*65535/65536", reel(65536, 65537), '*', reel(65535, 65536), Outcome::Exact,
     reel(65535, 65537)},
    {"2^16*2^15", reel(65536), '*', reel(32768), Outcome::Overflow, {}},
    {"46340^2", reel(46340), '*', reel(46340), Outcome::Exact, reel(2147395600)},
    {"-46340*46340", reel(-46340), '*', reel(46340), Outcome::Exact, reel(-2147395600)},
    {"46341^2", reel(46341), '*', reel(46341), Outcome::Overflow, {}},
    {"(46340 1/2)^2", reel(46340, 1, 2), '*', reel(46340, 1, 2), Outcome::Exact,
     reel(2147441940, 1, 4)},
    {"max*-1", reel(kMax), '*', reel(-1), Outcome::Exact, reel(-kMax)},
    {"max/max", reel(kMax), '/', reel(kMax), Outcome::Exact, reel(1)},
    {"1/max", reel(1), '/', reel(kMax), Outcome::Exact, reel(1, kMax)},
    {"1/(1/max)", reel(1), '/', reel(1, kMax), Outcome::Exact, reel(kMax)},
    {"-1/(1/max)", reel(-1), '/', reel(1, kMax), Outcome::Exact, reel(-kMax)},
    {"max/-1", reel(kMax), '/', reel(-1), Outcome::Exact, reel(-kMax)},
    {"max/(1/2)", reel(kMax), '/', reel(1, 2), Outcome::Overflow, {}},
    {"(1/max)/max", reel(1, kMax), '/', reel(kMax), Outcome::Overflow, {}},
    {"1/(2^16 1/(2^16+1))", reel(1), '/', reel(65536, 1, 65537), Outcome::Overflow, {}},
    {"max > -max", reel(kMax), '>', reel(-kMax), Outcome::Overflow, {}},
    {"max > max-1", reel(kMax), '>', reel(kMax - 1), Outcome::Exact, reel(1)},
    {"-max < -max+1", reel(-kMax), '<', reel(-kMax + 1), Outcome::Exact, reel(1)},
    {"1/2^15 < 1/(2^15-1)", reel(1, 32768), '<', reel(1, 32767), Outcome::Exact, reel(1)},
    // Comparing goes through the difference, which here needs a 62-bit denominator.
    {"1/max < 1/(max-1)", reel(1, kMax), '<', reel(1, kMax - 1), Outcome::Overflow, {}}};

void PrintTo(const BoundaryRow& row, std::ostream* os) { *os << row.what; }

class ReelBoundary : public ::testing::TestWithParam<BoundaryRow> {};

TEST_P(ReelBoundary, Row) {
    const BoundaryRow& row = GetParam();
    // The listed value itself must agree with the oracle.
    if (row.outcome != Outcome::Overflow) {
        ASSERT_TRUE(valueOf(row.want) == exact(row.a, row.op, row.b)) << show(row.want);
    }
    reel r;
    try {
        r = apply(row.a, row.op, row.b);
    } catch (const mylongint::overflow&) {
        EXPECT_NE(row.outcome, Outcome::Exact) << "unexpected overflow";
        return;
    }
    EXPECT_NE(row.outcome, Outcome::Overflow) << "gave " << show(r);
    EXPECT_TRUE(r.sameFields(row.want)) << show(r) << " want " << show(row.want);
}

INSTANTIATE_TEST_SUITE_P(Limits, ReelBoundary, ::testing::ValuesIn(kBoundaryRows),
                         [](const ::testing::TestParamInfo<BoundaryRow>& row) {
                             return "Row" + std::to_string(row.index);
                         });

} // namespace
