#include "mylongint.h"

#include <cstdlib>

std::int32_t gcd(std::int32_t a, std::int32_t b) {
    // Unsigned magnitudes, so that even -2147483648 cannot trap here.
    std::uint32_t x = a < 0 ? 0u - std::uint32_t(a) : std::uint32_t(a);
    std::uint32_t y = b < 0 ? 0u - std::uint32_t(b) : std::uint32_t(b);
    if (x == 0) return std::int32_t(y);
    if (y == 0) return std::int32_t(x);
    while (x != 0) {
        if (y < x) {
            x = x % y;
        } else {
            std::uint32_t t = y % x;
            y = x;
            x = t;
        }
    }
    return std::int32_t(y);
}
