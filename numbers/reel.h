#pragma once
#include <cstdint>

#include "mylongint.h"

// An exact mixed fraction whole + num/den over checked 32-bit integers.
//
// Every operation except reciprocal() returns a normalised value:
//   den >= 1;  |num| < den;  num == 0 implies den == 1, else gcd(num, den) == 1;
//   whole and num never have opposite signs.
// So each rational number in range has exactly one representation.
// Arithmetic that leaves the 32-bit range raises mylongint::overflow;
// division by zero gives 0.
class reel {
public:
    std::int32_t whole = 0;
    std::int32_t num = 0;
    std::int32_t den = 1;

    constexpr reel() = default;
    reel(std::int32_t n) : whole(n) { checkComponent(n); }
    reel(std::int32_t n, std::int32_t d);                 // n/d; a minus anywhere makes it negative
    reel(std::int32_t w, std::int32_t n, std::int32_t d); // w n/d; likewise

    // Raw fields, no normalisation: for partial results that are normalised later.
    static constexpr reel raw(std::int32_t w, std::int32_t n, std::int32_t d) {
        reel r;
        r.whole = w;
        r.num = n;
        r.den = d;
        return r;
    }

    void normalize();
    bool isNormal() const; // the invariant above

    int sign() const {
        if (whole != 0) return whole > 0 ? 1 : -1;
        if (num != 0) return num > 0 ? 1 : -1;
        return 0;
    }
    explicit operator double() const;

    friend reel abs(const reel& x);
    friend reel reciprocal(const reel& x);
    reel operator-() const;

    friend reel operator+(const reel& a, const reel& b);
    friend reel operator-(const reel& a, const reel& b) { return a + (-b); }
    friend reel operator*(const reel& a, const reel& b) {
        // Two integers, the most common case in elimination: one checked product.
        if ((a.num | b.num) == 0) return raw(mylongint::mul(a.whole, b.whole), 0, 1);
        return product(a, b);
    }
    friend reel operator/(const reel& a, const reel& b) { return a * reciprocal(b); }

    friend bool operator>(const reel& a, const reel& b) { return (a - b).sign() > 0; }
    friend bool operator>=(const reel& a, const reel& b) { return (a - b).sign() >= 0; }
    friend bool operator<(const reel& a, const reel& b) { return (b - a).sign() > 0; }
    friend bool operator<=(const reel& a, const reel& b) { return (b - a).sign() >= 0; }
    friend bool operator==(const reel& a, const reel& b) { return (a - b).sign() == 0; }

    reel& operator+=(const reel& b) { return *this = *this + b; }
    reel& operator-=(const reel& b) { return *this = *this - b; }
    reel& operator*=(const reel& b) { return *this = *this * b; }
    reel& operator/=(const reel& b) { return *this = *this / b; }

    // Field-by-field identity, for tests and containers (no arithmetic, never raises).
    bool sameFields(const reel& o) const {
        return whole == o.whole && num == o.num && den == o.den;
    }

private:
    // The product of operands that are not both integers; they are values as
    // the operations give them (normalised, or a reciprocal).
    static reel product(const reel& a, const reel& b);
    // -2147483648 has no magnitude in 32 bits; refuse it as an overflow.
    static void checkComponent(std::int32_t v) {
        if (v == INT32_MIN) throw mylongint::overflow();
    }
};
