// Random identities of the number layer against wide references. Every reel
// operation either gives the exact, normalised result or raises
// mylongint::overflow, never a wrong value; the ground truth is rational
// arithmetic on 128 bits, which cannot overflow for 32-bit operands. Long
// fractions give that truth always, and the texts of reel for its values. The text
// forms and the checked integers are checked the same way; the bit sets, as
// every algorithm uses them, by the identities of the engine's tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <random>
#include <sstream>

#include "longreeltext.h"
#include "rat.h"
#include "reeltext.h"

namespace {

constexpr std::int32_t kMax = 2147483647;

// The same operation on reel and on Rat; comparisons ('l' is <=, 'g' is >=) as 1 or 0.
template <class T> T apply(const T& a, char op, const T& b) {
    return op == '+'   ? a + b
           : op == '-' ? a - b
           : op == '*' ? a * b
           : op == '/' ? a / b
                       : T(op == '<'   ? a < b
                           : op == '>' ? a > b
                           : op == 'l' ? a <= b
                           : op == 'g' ? a >= b
                                       : a == b);
}

std::string show(const reel& r) {
    return "{" + std::to_string(r.whole) + "," + std::to_string(r.num) + "," +
           std::to_string(r.den) + "}";
}

// Random operands, normalised, spread over the interesting regions: zero,
// small values, whole parts near +-2^31 and 2^16, denominators near 2^16
// (whose products leave 32 bits) and near 2^31, and anything in range.
struct Operands {
    std::mt19937_64 rng;

    std::int32_t pick(std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    }
    // Whole part w and a random proper fraction over d, reduced; plenty of integers.
    reel build(std::int32_t w, std::int32_t d) {
        std::int32_t n = pick(0, 3) == 0 ? 0 : pick(0, d - 1);
        if (n == 0) return reel::raw(w, 0, 1);
        const std::int32_t g = std::gcd(n, d);
        if (w < 0 || (w == 0 && pick(0, 1))) n = -n;
        return reel::raw(w, n / g, d / g);
    }
    reel small(std::int32_t wholeLimit, std::int32_t denLimit) {
        return build(pick(-wholeLimit, wholeLimit), pick(1, denLimit));
    }
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
};

// The long fraction of a 128-bit one (already in lowest terms).
longreel ofRat(const Rat& q) {
    longreel x;
    const auto set = [](fmpz* to, __int128 v) {
        const auto bits = static_cast<unsigned __int128>(v);
        fmpz_set_signed_uiui(to, ulong(bits >> 64), ulong(bits));
    };
    set(fmpq_numref(x.get()), q.n);
    set(fmpq_denref(x.get()), q.d);
    return x;
}

// LINEON_PROPERTY_CASES runs a longer search than the suite's default.
const int kCases = [] {
    const char* v = std::getenv("LINEON_PROPERTY_CASES");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 200000;
}();

// The operator under test; 'c' takes the five comparisons in turn.
class ReelProperty : public ::testing::TestWithParam<char> {};

TEST_P(ReelProperty, ExactAndNormalOrOverflow) {
    const char op = GetParam();
    Operands src{std::mt19937_64(0x5eed0000u + std::uint64_t(op))};
    long right = 0, overflowed = 0, wrong = 0;
    std::string firstWrong;
    const auto check = [&](const reel& a, char o, const reel& b, bool mustSucceed) {
        std::string why;
        const longreel l = apply(longreel(a), o, longreel(b));
        if (!(l == ofRat(apply(Rat(a), o, Rat(b))))) why = "long gave " + cellText(l);
        try {
            const reel r = apply(a, o, b);
            // The oracle only for results: most of the time goes into overflows.
            const bool exact = r.isNormal() && Rat(r) == apply(Rat(a), o, Rat(b));
            right += exact;
            if (!exact) why = "gave " + show(r);
            if (!l.fitsReel() || !l.toReel().sameFields(r)) why += " not as long";
        } catch (const mylongint::overflow&) {
            ++overflowed;
            if (mustSucceed) why = "unexpected overflow";
        }
        if (!why.empty() && wrong++ == 0) firstWrong = show(a) + o + show(b) + " " + why;
    };
    for (int i = 0; i < kCases; ++i) {
        // Mostly against a small right operand: a boundary value against a small
        // one is where a carry or a cancellation just fits, and two large
        // operands nearly always overflow. Equal operands now and then for ties.
        const char o = op == 'c' ? "<>lg="[i % 5] : op;
        const reel a = src.any();
        check(a, o, i % 16 == 0 ? a : i % 4 != 0 ? src.small(100, 100) : src.any(), false);
        // Small values never overflow; nor do sums whose common denominators
        // stay below 2^28 and whole parts below 2^30.
        if (i % 4 == 0) check(src.small(1023, 1024), o, src.small(1023, 1024), true);
        if (i % 4 == 0 && (o == '+' || o == '-'))
            check(src.small(1 << 29, 1 << 14), o, src.small(1 << 29, 1 << 14), true);
    }
    EXPECT_EQ(wrong, 0) << firstWrong;
    // The mix must reach both outcomes, or the test proves little.
    EXPECT_GT(right, kCases / 4);
    EXPECT_GT(overflowed, kCases / 100);
}

INSTANTIATE_TEST_SUITE_P(Ops, ReelProperty, ::testing::Values('+', '-', '*', '/', 'c'),
                         [](const auto& op) { return std::string(1, "ASMDC"[op.index]); });

TEST(ReelText, ReadBackExactBeyond32BitsAndNormalFromGarbage) {
    Operands src{std::mt19937_64(31337)};
    const std::string alphabet = "0123456789012345678901234567890123456789//,,--+ \t\nx.e";
    for (int i = 0; i < 20000; ++i) {
        const reel x = src.any();
        std::stringstream io;
        reel back;
        io << x;
        io >> back;
        ASSERT_TRUE(back.sameFields(x)) << io.str() << " read as " << show(back);
        ASSERT_TRUE(reelFromCellText(cellText(x)).sameFields(x)) << cellText(x);
        // The long fraction of x: the same texts, and x again.
        const longreel lx(x);
        std::ostringstream longText;
        longText << lx;
        ASSERT_EQ(longText.str(), io.str());
        ASSERT_EQ(cellText(lx), cellText(x));
        ASSERT_TRUE(longreelFromCellText(cellText(x)) == lx) << cellText(x);
        ASSERT_EQ(displayText(lx, true), displayText(x, true));
        ASSERT_EQ(displayText(lx, false), displayText(x, false));
        ASSERT_TRUE(lx.fitsReel() && lx.toReel().sameFields(x)) << cellText(x);
        // The improper numerator and a*b + c may need up to 63 bits.
        const std::int64_t p = std::int64_t(x.whole) * x.den + x.num;
        const std::string improper = (p < 0 ? "-," : ",") + std::to_string(p < 0 ? -p : p) + ",";
        ASSERT_EQ(displayText(x, false),
                  x.num ? improper + std::to_string(x.den) : displayText(x, true));
        const std::int32_t a = src.pick(0, kMax), b = src.pick(0, kMax), c = src.pick(0, kMax);
        ASSERT_EQ(decimalText(a, b, c), std::to_string(std::uint64_t(a) * std::uint64_t(b) + c))
            << a << " " << b;
        // Read as long as the stream allows, as a file reader would.
        std::string text(src.rng() % 24, ' ');
        for (char& ch : text)
            ch = src.rng() % 8 == 0 ? char(src.rng() % 256) : alphabet[src.rng() % alphabet.size()];
        // The long reader reads what the short one reads, to the same place.
        std::istringstream is(text), longIs(text);
        longreel longBack;
        for (int k = 0; k < 8 && is; ++k) {
            ASSERT_NO_THROW(is >> back) << "\"" << text << "\"";
            ASSERT_TRUE(back.isNormal()) << "\"" << text << "\" gave " << show(back);
            longIs >> longBack;
            if (is.fail()) break;
            ASSERT_TRUE(longBack == longreel(back) && !longIs.fail() && is.eof() == longIs.eof() &&
                        is.tellg() == longIs.tellg())
                << "\"" << text << "\" gave " << cellText(longBack);
        }
    }
}

TEST(CheckedIntegers, AgreeWithWideArithmeticAndStdGcd) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::int32_t> any(-kMax, kMax), mid(-70000, 70000), f(1, 5000);
    for (int i = 0; i < 20000; ++i) {
        std::int32_t a = (i & 1) ? any(rng) : mid(rng), b = (i & 2) ? any(rng) : mid(rng);
        const std::int64_t wide[] = {std::int64_t(a) + b, std::int64_t(a) - b, std::int64_t(a) * b};
        for (int k = 0; k < 3; ++k) {
            const auto op = k == 0 ? mylongint::add : k == 1 ? mylongint::sub : mylongint::mul;
            if (wide[k] > kMax || wide[k] < -kMax)
                ASSERT_THROW(op(a, b), mylongint::overflow) << a << "+-*"[k] << b;
            else
                ASSERT_EQ(op(a, b), wide[k]) << a << "+-*"[k] << b;
        }
        // A shared factor now and then; random pairs are nearly always coprime.
        if (const std::int32_t k = f(rng); i % 3 == 0) a = a / k / 2 * k, b = b / k / 2 * k;
        ASSERT_EQ(gcd(a, b), std::gcd(std::int64_t(a), std::int64_t(b))) << a << " " << b;
    }
}

} // namespace
