#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include <flint/fmpq.h>

#include "reel.h"

// An integer of any length that frees itself: for the parts of a longreel.
class longint {
public:
    longint() { fmpz_init(v_); }
    longint(const longint&) = delete;
    longint& operator=(const longint&) = delete;
    ~longint() { fmpz_clear(v_); }
    operator fmpz*() { return v_; }
    operator const fmpz*() const { return v_; }

private:
    fmpz_t v_;
};

// An exact fraction whose numerator and denominator are integers of any
// length (FLINT's fmpq, which keeps values of up to 62 bits inline and
// allocates only for longer ones). It holds the value in lowest terms; the
// mixed form whole + num/den of reel is derived from it for texts, so that
// every value that fits reel reads and writes exactly as reel does.
// Nothing overflows; division by zero gives 0, as for reel.
class longreel {
public:
    longreel() { fmpq_init(v_); }
    longreel(std::int32_t n) {
        fmpq_init(v_);
        fmpz_set_si(fmpq_numref(v_), n);
    }
    explicit longreel(const reel& x);
    longreel(const longreel& o) {
        fmpq_init(v_);
        fmpq_set(v_, o.v_);
    }
    longreel(longreel&& o) noexcept {
        fmpq_init(v_);
        fmpq_swap(v_, o.v_);
    }
    longreel& operator=(const longreel& o) {
        fmpq_set(v_, o.v_);
        return *this;
    }
    longreel& operator=(longreel&& o) noexcept {
        fmpq_swap(v_, o.v_);
        return *this;
    }
    ~longreel() { fmpq_clear(v_); }

    // The value of the three integers w n/d as reel reads them: the
    // magnitudes |w| + |n|/|d|, negative when any of them is; d == 0 counts
    // as 1.
    static longreel fromParts(const fmpz_t w, const fmpz_t n, const fmpz_t d);
    // The fraction of the shortest decimal that reads back as x: 0.1 gives 1/10.
    static longreel ofDecimal(double x);

    int sign() const { return fmpq_sgn(v_); }
    // The nearest double (ties to even); beyond the doubles' range, the
    // largest double of that sign.
    explicit operator double() const;

    // Whether reel holds the value: whole part, numerator and denominator of
    // the mixed form each within -2147483647 ... 2147483647.
    bool fitsReel() const;
    // The same value as reel; only when fitsReel().
    reel toReel() const;
    // The mixed form's parts: whole and numerator carry the sign, den >= 1.
    void mixedParts(fmpz_t whole, fmpz_t num, fmpz_t den) const;

    friend longreel abs(const longreel& x) {
        longreel r;
        fmpq_abs(r.v_, x.v_);
        return r;
    }
    friend longreel reciprocal(const longreel& x) {
        longreel r;
        if (x.sign() != 0) fmpq_inv(r.v_, x.v_);
        return r;
    }
    longreel operator-() const {
        longreel r;
        fmpq_neg(r.v_, v_);
        return r;
    }

    friend longreel operator+(const longreel& a, const longreel& b) {
        longreel r;
        fmpq_add(r.v_, a.v_, b.v_);
        return r;
    }
    friend longreel operator-(const longreel& a, const longreel& b) {
        longreel r;
        fmpq_sub(r.v_, a.v_, b.v_);
        return r;
    }
    friend longreel operator*(const longreel& a, const longreel& b) {
        longreel r;
        fmpq_mul(r.v_, a.v_, b.v_);
        return r;
    }
    friend longreel operator/(const longreel& a, const longreel& b) {
        longreel r;
        if (b.sign() != 0) fmpq_div(r.v_, a.v_, b.v_);
        return r;
    }
    longreel& operator+=(const longreel& b) {
        fmpq_add(v_, v_, b.v_);
        return *this;
    }
    longreel& operator-=(const longreel& b) {
        fmpq_sub(v_, v_, b.v_);
        return *this;
    }
    longreel& operator*=(const longreel& b) {
        fmpq_mul(v_, v_, b.v_);
        return *this;
    }
    longreel& operator/=(const longreel& b) { return *this = *this / b; }
    // this -= f * y in one step, without a temporary.
    void subtractProduct(const longreel& f, const longreel& y) { fmpq_submul(v_, f.v_, y.v_); }

    friend bool operator==(const longreel& a, const longreel& b) { return fmpq_equal(a.v_, b.v_); }
    friend bool operator<(const longreel& a, const longreel& b) { return fmpq_cmp(a.v_, b.v_) < 0; }
    friend bool operator>(const longreel& a, const longreel& b) { return b < a; }
    friend bool operator<=(const longreel& a, const longreel& b) { return !(b < a); }
    friend bool operator>=(const longreel& a, const longreel& b) { return !(a < b); }
    bool isOne() const { return fmpq_is_one(v_); }

    // Bytes held outside the object itself, for the snapshot budget.
    std::size_t heapBytes() const;

    const fmpq* get() const { return v_; }
    fmpq* get() { return v_; }

private:
    fmpq_t v_;
};

// Decimal digits of an integer of any length, with "-" when negative.
std::string decimalText(const fmpz_t v);
