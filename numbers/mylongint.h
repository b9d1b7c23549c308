#pragma once
#include <bit>
#include <cstdint>

// A signed 32-bit integer whose addition, subtraction and multiplication refuse
// to wrap round: any result outside -2147483647 ... 2147483647 raises
// mylongint::overflow. -2147483648 is never produced; it counts as overflow.
class mylongint {
public:
    struct overflow {};

    static constexpr std::int32_t maxValue = 2147483647;

    constexpr mylongint(std::int32_t v = 0) : v_(v) {}
    constexpr std::int32_t value() const { return v_; }
    constexpr operator std::int32_t() const { return v_; }

    static std::int32_t add(std::int32_t a, std::int32_t b) { return checked(std::int64_t(a) + b); }
    static std::int32_t sub(std::int32_t a, std::int32_t b) { return checked(std::int64_t(a) - b); }
    static std::int32_t mul(std::int32_t a, std::int32_t b) { return checked(std::int64_t(a) * b); }

    // Any 64-bit value back into the checked range.
    static std::int32_t checked(std::int64_t r) {
        if (r > maxValue || r < -maxValue) throw overflow();
        return static_cast<std::int32_t>(r);
    }

    friend mylongint operator+(mylongint a, mylongint b) { return add(a.v_, b.v_); }
    friend mylongint operator-(mylongint a, mylongint b) { return sub(a.v_, b.v_); }
    friend mylongint operator*(mylongint a, mylongint b) { return mul(a.v_, b.v_); }

private:
    std::int32_t v_;
};

// Greatest common divisor of |a| and |b|; 0 only when both are 0.
// Binary (Stein's) algorithm: every fraction operation needs one or more, and
// shifting out trailing zeros and subtracting is several times faster than
// the divisions of Euclid's algorithm. Unsigned magnitudes, so that even
// -2147483648 cannot trap here.
inline std::int32_t gcd(std::int32_t a, std::int32_t b) {
    std::uint32_t x = a < 0 ? 0u - std::uint32_t(a) : std::uint32_t(a);
    std::uint32_t y = b < 0 ? 0u - std::uint32_t(b) : std::uint32_t(b);
    if (x == 0) return std::int32_t(y);
    if (y == 0) return std::int32_t(x);
    const int shift = std::countr_zero(x | y);
    x >>= std::countr_zero(x);
    y >>= std::countr_zero(y);
    // Both odd: their difference is even and shares their odd divisors. The
    // selects compile to conditional moves; a branch here would be mispredicted
    // half the time.
    while (x != y) {
        const std::uint32_t d = x > y ? x - y : y - x;
        x = x < y ? x : y;
        y = d >> std::countr_zero(d);
    }
    return std::int32_t(x << shift);
}
