// Gauss and Gauss-Jordan elimination, the pivot columns of an echelon form,
// the general solution of a reduced system and the determinant.
#include <flint/fmpq_mat.h>

#include <type_traits>

#include "matrix.h"
#include "protstream.h"

namespace {

// The reduced row echelon form of long fractions by FLINT's fraction-free
// method, many times faster than clearing fraction by fraction once the
// numbers grow. The form is unique, so this gives exactly what the steps give;
// it serves runs whose steps no one reads.
void reduceWithoutSteps(matrix<longreel>& m) {
    fmpq_mat_t in, out;
    fmpq_mat_init(in, m.rows(), m.cols());
    fmpq_mat_init(out, m.rows(), m.cols());
    for (std::int32_t r = 0; r < m.rows(); ++r)
        for (std::int32_t c = 0; c < m.cols(); ++c)
            fmpq_swap(fmpq_mat_entry(in, r, c), m.at(r, c).get());
    fmpq_mat_rref(out, in);
    for (std::int32_t r = 0; r < m.rows(); ++r)
        for (std::int32_t c = 0; c < m.cols(); ++c)
            fmpq_swap(fmpq_mat_entry(out, r, c), m.at(r, c).get());
    fmpq_mat_clear(in);
    fmpq_mat_clear(out);
}

// The leftmost column c >= k with a non-zero entry at or below row k; its
// topmost such row is exchanged into row k. Returns c, or -1 when no column
// qualifies. *pivotRow receives the row the pivot came from.
// There is no choice by size: the first non-zero entry is taken, also for doubles.
// The note learns the row exchanged into row k.
template <class T>
std::int32_t findPivot(matrix<T>& m, std::int32_t k, std::int32_t* pivotRow, StepNote* note) {
    for (std::int32_t c = k; c < m.cols(); ++c) {
        const std::int32_t r = m.findrow(k, c);
        if (r >= 0) {
            m.swaprows(r, k);
            *pivotRow = r;
            if (note != nullptr) note->exchangedWith = r;
            return c;
        }
    }
    return -1;
}

} // namespace

template <class T> std::int32_t matrix<T>::gaussStep(std::int32_t k, std::int32_t* sign) {
    std::int32_t r = -1;
    StepNote* note = protocol().note();
    const std::int32_t c = findPivot(*this, k, &r, note);
    if (c < 0) return -1;
    if (r != k && sign != nullptr) *sign = -*sign;
    const T p = cell(k, c);
    if (note != nullptr) note->eliminating(StepNote::Method::Gauss, k, c, rows(), p);
    for (std::int32_t i = k + 1; i < rows(); ++i) {
        T& e = cell(i, c);
        if (entrySign(e) == 0) continue;
        const T f = e;
        if (note != nullptr) note->clearedRow(i, f);
        e = T(0);
        // Quotient first, then product, then difference: the exact order matters
        // for doubles and for where an exact overflow can arise.
        T* row = &cell(i, 0);
        const T* pivotRow = &cell(k, 0);
        for (std::int32_t j = c + 1; j < cols(); ++j) row[j] = row[j] - f * (pivotRow[j] / p);
    }
    return c;
}

template <class T> void matrix<T>::gauss(std::int32_t* sign) {
    protocol() << "Gauss von\n" << *this;
    for (std::int32_t k = 0; k < cols() && k < rows() - 1; ++k) {
        gaussStep(k, sign);
        protocol() << "Gauss nr." << std::int32_t(k + 1) << "\n" << *this;
    }
}

// Row i minus f times row k, right of column c: the inner loop of Gauss-Jordan,
// on plain row pointers because it runs n^3 times.
template <class T>
void matrix<T>::eliminate(std::int32_t i, std::int32_t k, std::int32_t c, const T& f) {
    // Rows i and k differ, so the two never overlap.
    T* __restrict row = &cell(i, 0);
    const T* __restrict pivotRow = &cell(k, 0);
    const std::int32_t n = cols();
    for (std::int32_t j = c + 1; j < n; ++j) entrySubtractProduct(row[j], f, pivotRow[j]);
}

template <class T> std::int32_t matrix<T>::gaussJordanStep(std::int32_t k) {
    std::int32_t r = -1;
    StepNote* note = protocol().note();
    const std::int32_t c = findPivot(*this, k, &r, note);
    if (c < 0) return -1;
    T* pivotRow = &cell(k, 0);
    const T p = pivotRow[c];
    if (note != nullptr) note->eliminating(StepNote::Method::GaussJordan, k, c, rows(), p);
    pivotRow[c] = T(1);
    for (std::int32_t j = c + 1; j < cols(); ++j) pivotRow[j] = pivotRow[j] / p;
    for (std::int32_t i = k + 1; i < rows(); ++i) {
        T& e = cell(i, c);
        if (entrySign(e) == 0) continue;
        const T f = e;
        if (note != nullptr) note->clearedRow(i, f);
        e = T(0);
        eliminate(i, k, c, f);
    }
    return c;
}

template <class T> void matrix<T>::gaussJordan() {
    if constexpr (std::is_same_v<T, longreel>) {
        if (protocol().discards() && data_) return reduceWithoutSteps(*this);
    }
    protocol() << "Gauss-Jordan von\n" << *this;
    for (std::int32_t k = 0; k < cols() && k < rows(); ++k) {
        const std::int32_t c = gaussJordanStep(k);
        if (c >= 0) {
            StepNote* note = protocol().note();
            // Clear the pivot column above the pivot as well.
            for (std::int32_t i = 0; i < k; ++i) {
                T& e = cell(i, c);
                if (entrySign(e) == 0) continue;
                const T f = e;
                if (note != nullptr) note->clearedRow(i, f);
                e = T(0);
                eliminate(i, k, c, f);
            }
        }
        protocol() << "Gauss-Jordan nr." << std::int32_t(k + 1) << "\n" << *this;
    }
}

template <class T> sets matrix<T>::pivotColumns() const {
    sets s(cols());
    std::int32_t limit = cols() - 1;
    std::int32_t r = rows() - 1;
    // From the bottom up, each row's leading entry lies left of the one below.
    for (; r >= 0 && limit >= 0; --r) {
        for (std::int32_t j = 0; j <= limit; ++j) {
            if (entrySign(at(r, j)) != 0) {
                s.set(j);
                limit = j - 1;
                break;
            }
        }
    }
    // Column 0 was used up below row 0: not an echelon form.
    if (r >= 0) s.clearall();
    return s;
}

template <class T> matrix<T> matrix<T>::loesung() const {
    const std::int32_t n = cols();
    const sets s = pivotColumns();
    const std::int32_t p = s.count();
    if (p == n || s.test(n - 1)) return matrix(0, 0, prot);

    matrix x(n - 1, n - p, prot);
    // Particular solution: free unknowns zero, pivot unknowns from the right-hand side.
    std::int32_t q = 0;
    for (std::int32_t i = 0; i < n - 1; ++i) {
        if (s.test(i)) {
            x.at(i, 0) = at(q, n - 1);
            ++q;
        } else {
            x.at(i, 0) = T(0);
        }
    }
    // One homogeneous solution per free unknown f: that unknown one, the others free zero.
    std::int32_t t = 1;
    for (std::int32_t f = 0; f < n - 1; ++f) {
        if (s.test(f)) continue;
        q = 0;
        for (std::int32_t i = 0; i < n - 1; ++i) {
            if (s.test(i)) {
                x.at(i, t) = -at(q, f);
                ++q;
            } else {
                x.at(i, t) = T(0);
            }
        }
        x.at(f, t) = T(1);
        ++t;
    }
    protocol() << "Lösung\n" << x;
    return x;
}

template <class T> matrix<T> matrix<T>::determinante() const {
    if (cols() != rows() && cols() != rows() + 1) return matrix(0, 0, prot);
    matrix c(*this);
    std::int32_t s = 1;
    c.gauss(&s);
    T d = T(1);
    for (std::int32_t i = 0; i < rows(); ++i) d = d * c.at(i, i);
    d = d * T(s);
    matrix result(1, 1, prot);
    result.at(1, 1) = d; // clamps to the single entry
    protocol() << "Determinante durch Multiplikation der diagonalen Einträgen\n" << result;
    return result;
}

#define LINEON_INSTANTIATE(T)                                                                      \
    template std::int32_t matrix<T>::gaussStep(std::int32_t, std::int32_t*);                       \
    template void matrix<T>::gauss(std::int32_t*);                                                 \
    template std::int32_t matrix<T>::gaussJordanStep(std::int32_t);                                \
    template void matrix<T>::eliminate(std::int32_t, std::int32_t, std::int32_t, const T&);        \
    template void matrix<T>::gaussJordan();                                                        \
    template sets matrix<T>::pivotColumns() const;                                                 \
    template matrix<T> matrix<T>::loesung() const;                                                 \
    template matrix<T> matrix<T>::determinante() const;
LINEON_INSTANTIATE(reel)
LINEON_INSTANTIATE(longreel)
LINEON_INSTANTIATE(double)
