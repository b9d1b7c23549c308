#pragma once
#include <compare>
#include <utility>

#include "reel.h"

// An exact rational on 128 bits, always reduced, denominator positive, zero
// as 0/1; a quotient by zero is zero, as for reel. Sums and products of a
// few 32-bit values never overflow it: the reference the tests check against.
struct Rat {
    __int128 n = 0, d = 1;
    Rat(__int128 num = 0, __int128 den = 1) : n(den < 0 ? -num : num), d(den < 0 ? -den : den) {
        __int128 g = n < 0 ? -n : n;
        for (__int128 r = d; r != 0;) g = std::exchange(r, g % r);
        if (d == 0) n = 0, d = g = 1;
        n /= g, d /= g;
    }
    // A normal reel's improper form is already in lowest terms.
    explicit Rat(const reel& x) : Rat(__int128(x.whole) * x.den + x.num, x.den) {}
    int sign() const { return n > 0 ? 1 : n < 0 ? -1 : 0; }
    friend Rat operator+(Rat a, Rat b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
    friend Rat operator-(Rat a, Rat b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
    friend Rat operator-(Rat a) { return {-a.n, a.d}; }
    friend Rat operator*(Rat a, Rat b) { return {a.n * b.n, a.d * b.d}; }
    friend Rat operator/(Rat a, Rat b) { return {a.n * b.d, a.d * b.n}; }
    friend auto operator<=>(Rat a, Rat b) { return a.n * b.d <=> b.n * a.d; }
    friend bool operator==(Rat a, Rat b) { return a.n == b.n && a.d == b.d; }
};
