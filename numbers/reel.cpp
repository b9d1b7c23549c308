#include "reel.h"

#include <cassert>
#include <cstdlib>

namespace {
std::int32_t magnitude(std::int32_t v) { return v < 0 ? -v : v; }

#ifndef NDEBUG
void checkInvariant(const reel& r) { assert(r.isNormal()); }
#else
void checkInvariant(const reel&) {}
#endif
} // namespace

reel::reel(std::int32_t n, std::int32_t d) {
    checkComponent(n);
    checkComponent(d);
    num = magnitude(n);
    den = d == 0 ? 1 : magnitude(d);
    if (n < 0 || d < 0) num = -num;
    normalize();
    checkInvariant(*this);
}

reel::reel(std::int32_t w, std::int32_t n, std::int32_t d) {
    checkComponent(w);
    checkComponent(n);
    checkComponent(d);
    whole = magnitude(w);
    num = magnitude(n);
    den = d == 0 ? 1 : magnitude(d);
    if (w < 0 || n < 0 || d < 0) {
        whole = -whole;
        num = -num;
    }
    normalize();
    checkInvariant(*this);
}

void reel::normalize() {
    if (magnitude(num) >= den) {
        // The carry can push the whole part out of range: that is an overflow too.
        whole = mylongint::add(whole, num / den);
        num = num % den;
    }
    if (num != 0) {
        const std::int32_t g = gcd(num, den);
        if (g != 1) { // mostly it is 1: spare the divisions
            num /= g;
            den /= g;
        }
    } else {
        den = 1;
    }
}

bool reel::isNormal() const {
    if (den < 1) return false;
    if (num == INT32_MIN || whole == INT32_MIN) return false;
    if (magnitude(num) >= den) return false;
    if (num == 0) return den == 1;
    if (gcd(num, den) != 1) return false;
    return !((whole > 0 && num < 0) || (whole < 0 && num > 0));
}

reel::operator double() const {
    if (num == 0) return whole;
    long double v = static_cast<long double>(num) / den + whole;
    return static_cast<double>(v);
}

reel abs(const reel& x) { return reel::raw(magnitude(x.whole), magnitude(x.num), x.den); }

reel reel::operator-() const { return reel(-whole, -num, den); }

reel operator+(const reel& a, const reel& b) {
    std::int32_t L, n;
    if (a.den == b.den && a.den > 0) {
        // The common case in elimination (equal denominators, and integers):
        // what the general formula gives with g = den, without its gcd and
        // divisions. |a.num| and |b.num| are each below 2^31, so is their sum
        // in 64 bits; the check is the same.
        L = a.den;
        n = mylongint::checked(std::int64_t(a.num) + b.num);
    } else if (a.num == 0 && a.den == 1) {
        L = b.den; // g = 1, and the term of a is zero
        n = b.num;
    } else if (b.num == 0 && b.den == 1) {
        L = a.den;
        n = a.num;
    } else {
        const std::int32_t g = gcd(a.den, b.den);
        // L / a.den is b.den / g and L / b.den is a.den / g; mostly g is 1.
        const std::int32_t ag = g == 1 ? a.den : a.den / g;
        const std::int32_t bg = g == 1 ? b.den : b.den / g;
        L = mylongint::mul(ag, b.den);
        // Both terms are below 2^62 in magnitude, so the 64-bit sum is exact; it
        // leaves 32 bits only when L is above half the range, and then we refuse it.
        n = mylongint::checked(std::int64_t(bg) * a.num + std::int64_t(ag) * b.num);
    }
    std::int32_t w = mylongint::add(a.whole, b.whole);
    if (w > 0 && n < 0) {
        w = mylongint::sub(w, 1);
        n = mylongint::add(L, n);
    } else if (w < 0 && n > 0) {
        w = mylongint::add(w, 1);
        n = -mylongint::sub(L, n);
    }
    reel r = reel::raw(w, n, L);
    r.normalize();
    checkInvariant(r);
    return r;
}

namespace {
// The product as four partial products aw*bw + aw*bn/bd + an/ad*bw + an/ad*bn/bd,
// each reduced crosswise first and added with reel addition. This sequence
// decides which products count as overflow; the short way in reel::product
// is taken only where it cannot overflow.
reel stepwiseProduct(const reel& a, const reel& b) {
    // Mostly the crosswise gcds are 1; dividing by them is then left out.
    const auto reduced = [](std::int32_t v, std::int32_t g) { return g == 1 ? v : v / g; };
    reel r;
    if (a.whole != 0 && b.whole != 0) r = reel::raw(mylongint::mul(a.whole, b.whole), 0, 1);
    if (a.whole != 0 && b.num != 0) {
        std::int32_t g = gcd(a.whole, b.den);
        r = r + reel::raw(0, mylongint::mul(reduced(a.whole, g), b.num), reduced(b.den, g));
    }
    if (a.num != 0 && b.whole != 0) {
        std::int32_t g = gcd(a.den, b.whole);
        r = r + reel::raw(0, mylongint::mul(reduced(b.whole, g), a.num), reduced(a.den, g));
    }
    if (a.num != 0 && b.num != 0) {
        std::int32_t g1 = gcd(a.num, b.den);
        std::int32_t g2 = gcd(b.num, a.den);
        r = r + reel::raw(0, mylongint::mul(reduced(a.num, g1), reduced(b.num, g2)),
                          mylongint::mul(reduced(a.den, g2), reduced(b.den, g1)));
    }
    // r is zero, an integer, or a sum, and sums come normalised: nothing is
    // left to normalise.
    checkInvariant(r);
    return r;
}

// True when no checked step of stepwiseProduct can leave the range for these
// operands. The bounds, with |an| <= ad and |bn| <= bd (true of every
// normalised value and of what reciprocal gives):
//   whole parts, including carries and sign repairs: (|aw|+1)(|bw|+1) + 8
//   second and third partial numerators: |aw| bd and |bw| ad
//   numerator sum when the third product is added: bd (ad + |bw| |an|)
//   denominators after the fourth (they divide ad bd) and its sum: 2 ad bd
// Below 2^20 each component keeps every bound inside 64 bits.
bool stepsStayInRange(const reel& a, const reel& b) {
    const std::uint64_t aw = std::uint32_t(magnitude(a.whole)),
                        bw = std::uint32_t(magnitude(b.whole));
    const std::uint64_t an = std::uint32_t(magnitude(a.num)), bn = std::uint32_t(magnitude(b.num));
    const std::uint64_t ad = std::uint32_t(a.den), bd = std::uint32_t(b.den);
    constexpr std::uint64_t limit = 1u << 20, top = std::uint64_t(mylongint::maxValue);
    if ((aw | bw | ad | bd) >= limit || ad == 0 || bd == 0 || an > ad || bn > bd) return false;
    return (aw + 1) * (bw + 1) + 8 <= top && aw * bd <= top && bw * ad <= top &&
           bd * (ad + bw * an) <= top && 2 * ad * bd <= top;
}

// gcd of a 64-bit magnitude and a positive 32-bit value: one remainder first
// brings the large one into 32 bits.
std::int32_t gcdWith(std::uint64_t big, std::int32_t d) {
    if (big >= std::uint64_t(mylongint::maxValue)) big %= std::uint32_t(d);
    return gcd(std::int32_t(big), d);
}
} // namespace

reel reel::product(const reel& a, const reel& b) {
    if (!stepsStayInRange(a, b)) return stepwiseProduct(a, b);
    // The same value in one go: improper numerators A and B, with A prime to
    // ad and B prime to bd, so the product is in lowest terms once A is
    // reduced against bd and B against ad. The value fits the range, since the
    // stepwise way would not overflow, and its denominator is at most ad bd
    // < 2^30, so the numerator product stays below 2^61.
    const std::int64_t A = std::int64_t(a.whole) * a.den + a.num;
    const std::int64_t B = std::int64_t(b.whole) * b.den + b.num;
    if (A == 0 || B == 0) return {};
    const std::int32_t g1 = b.den == 1 ? 1 : gcdWith(std::uint64_t(A < 0 ? -A : A), b.den);
    const std::int32_t g2 = a.den == 1 ? 1 : gcdWith(std::uint64_t(B < 0 ? -B : B), a.den);
    const std::int64_t N = (g1 == 1 ? A : A / g1) * (g2 == 1 ? B : B / g2);
    const std::int64_t D =
        std::int64_t(g2 == 1 ? a.den : a.den / g2) * (g1 == 1 ? b.den : b.den / g1);
    if (D == 1) return raw(std::int32_t(N), 0, 1);
    // Truncating division keeps whole part and numerator on the same side of
    // zero. Mostly N fits 32 bits, where division is quicker.
    reel r = N == std::int32_t(N) ? raw(std::int32_t(N) / std::int32_t(D),
                                        std::int32_t(N) % std::int32_t(D), std::int32_t(D))
                                  : raw(std::int32_t(N / D), std::int32_t(N % D), std::int32_t(D));
    if (r.num == 0) r.den = 1;
    checkInvariant(r);
    return r;
}

reel reciprocal(const reel& x) {
    reel r;
    if (x.num == 0) {
        if (x.whole == 0 || x.whole == 1) return x;
        r = reel::raw(0, 1, x.whole);
    } else if (x.whole == 0) {
        r = reel::raw(x.den / x.num, magnitude(x.den % x.num), x.num);
    } else {
        r = reel::raw(0, x.den, mylongint::add(mylongint::mul(x.den, x.whole), x.num));
    }
    if (r.den < 0) {
        r.num = -r.num;
        r.den = -r.den;
    }
    return r;
}
