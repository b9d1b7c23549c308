#include "longreel.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>

#include <mpfr.h>

namespace {
// FLINT and GMP end the program when memory runs out. With these, a failed
// allocation throws std::bad_alloc instead, which a run reports as out of
// memory while the program goes on; what the library held half-built at that
// moment is not given back.
void* allocated(void* p, std::size_t bytes) {
    if (p == nullptr && bytes != 0) throw std::bad_alloc();
    return p;
}
void* allocate(std::size_t bytes) { return allocated(std::malloc(bytes), bytes); }
void* allocateZeroed(std::size_t count, std::size_t size) {
    return allocated(std::calloc(count, size), count * size);
}
void* reallocate(void* p, std::size_t bytes) { return allocated(std::realloc(p, bytes), bytes); }
void* reallocateGmp(void* p, std::size_t, std::size_t bytes) { return reallocate(p, bytes); }
void freeGmp(void* p, std::size_t) { std::free(p); }

[[maybe_unused]] const bool throwingAllocation = [] {
    __flint_set_memory_functions(allocate, allocateZeroed, reallocate, std::free);
    mp_set_memory_functions(allocate, reallocateGmp, freeGmp);
    return true;
}();
} // namespace

longreel::longreel(const reel& x) {
    // whole + num/den with den >= 1 and num of whole's sign: (whole*den + num)/den,
    // already in lowest terms.
    fmpq_init(v_);
    fmpz_set_si(fmpq_numref(v_), std::int64_t(x.whole) * x.den + x.num);
    fmpz_set_si(fmpq_denref(v_), x.den);
}

longreel longreel::fromParts(const fmpz_t w, const fmpz_t n, const fmpz_t d) {
    longreel r;
    longint den;
    fmpz_abs(den, d);
    if (fmpz_is_zero(den)) fmpz_one(den);
    longint num;
    fmpz_abs(num, n);
    fmpq_set_fmpz_frac(r.v_, num, den);
    longint whole;
    fmpz_abs(whole, w);
    fmpq_add_fmpz(r.v_, r.v_, whole);
    if (fmpz_sgn(w) < 0 || fmpz_sgn(n) < 0 || fmpz_sgn(d) < 0) fmpq_neg(r.v_, r.v_);
    return r;
}

longreel longreel::ofDecimal(double x) {
    longreel r;
    if (!std::isfinite(x) || x == 0.0) return r;
    // The shortest text that reads back as x, in exponent form: "-1.25e-07".
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific);
    if (error != std::errc()) return r;
    std::string digits;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int exponent = 0;
    if (p != end) std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    // digits holds the mantissa with its point after the first digit.
    const int pointShift = int(digits.size()) - 1 - (digits[0] == '-');
    exponent -= pointShift;
    fmpz_set_str(fmpq_numref(r.v_), digits.c_str(), 10);
    longint scale;
    fmpz_set_ui(scale, 10);
    fmpz_pow_ui(scale, scale, ulong(std::abs(exponent)));
    if (exponent >= 0)
        fmpz_mul(fmpq_numref(r.v_), fmpq_numref(r.v_), scale);
    else
        fmpz_set(fmpq_denref(r.v_), scale);
    fmpq_canonicalise(r.v_);
    return r;
}

longreel::operator double() const {
    if (fmpz_is_one(fmpq_denref(v_)) && fmpz_fits_si(fmpq_numref(v_)) &&
        std::abs(fmpz_get_si(fmpq_numref(v_))) <= (std::int64_t(1) << 53))
        return double(fmpz_get_si(fmpq_numref(v_)));
    // Correctly rounded through a 53-bit binary float.
    mpfr_t f;
    mpfr_init2(f, 53);
    fmpq_get_mpfr(f, v_, MPFR_RNDN);
    double d = mpfr_get_d(f, MPFR_RNDN);
    mpfr_clear(f);
    if (std::isinf(d)) d = std::copysign(std::numeric_limits<double>::max(), d);
    return d;
}

void longreel::mixedParts(fmpz_t whole, fmpz_t num, fmpz_t den) const {
    // Truncating division keeps whole and remainder on the side of zero of the value.
    fmpz_tdiv_qr(whole, num, fmpq_numref(v_), fmpq_denref(v_));
    fmpz_set(den, fmpq_denref(v_));
}

namespace {
bool fits32(const fmpz_t v) {
    return fmpz_cmp_si(v, mylongint::maxValue) <= 0 && fmpz_cmp_si(v, -mylongint::maxValue) >= 0;
}
} // namespace

bool longreel::fitsReel() const {
    longint w, n, d;
    mixedParts(w, n, d);
    return fits32(w) && fits32(n) && fits32(d);
}

reel longreel::toReel() const {
    longint w, n, d;
    mixedParts(w, n, d);
    return reel::raw(std::int32_t(fmpz_get_si(w)), std::int32_t(fmpz_get_si(n)),
                     std::int32_t(fmpz_get_si(d)));
}

namespace {
std::size_t heapBytesOf(const fmpz_t v) {
    if (!COEFF_IS_MPZ(*v)) return 0;
    const __mpz_struct* z = COEFF_TO_PTR(*v);
    return sizeof(__mpz_struct) + std::size_t(z->_mp_alloc) * sizeof(mp_limb_t);
}
} // namespace

std::size_t longreel::heapBytes() const {
    return heapBytesOf(fmpq_numref(v_)) + heapBytesOf(fmpq_denref(v_));
}

std::string decimalText(const fmpz_t v) {
    if (fmpz_fits_si(v)) return std::to_string(fmpz_get_si(v));
    std::string s(fmpz_sizeinbase(v, 10) + 2, '\0');
    fmpz_get_str(s.data(), 10, v);
    s.resize(std::char_traits<char>::length(s.c_str()));
    return s;
}
