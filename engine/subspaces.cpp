// Inverse, image, kernel and the least-squares solution, all built on
// Gauss-Jordan elimination, pivotColumns and loesung.
#include "matrix.h"
#include "protstream.h"

template <class T> matrix<T> matrix<T>::inverse() const {
    if (cols() != rows()) return matrix(0, 0, prot);
    const std::int32_t n = rows();
    matrix w(n, 2 * n, prot);
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) {
            w.at(i, j) = at(i, j);
            w.at(i, n + j) = T(0);
        }
        w.at(i, n + i) = T(1);
    }
    w.gaussJordan();
    const sets s = w.pivotColumns();
    for (std::int32_t c = 0; c < n; ++c) {
        if (!s.test(c)) {
            protocol() << "Matrix ist nicht inventierbar\n";
            return matrix(0, 0, prot);
        }
    }
    matrix r(n, n, prot);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 0; j < n; ++j) r.at(i, j) = w.at(i, n + j);
    protocol() << "Inverse\n" << r;
    return r;
}

template <class T> matrix<T> matrix<T>::bild() const {
    matrix c(*this);
    c.gaussJordan();
    sets s = c.pivotColumns();
    const std::int32_t r = s.count();
    matrix b(rows(), r, prot);
    // The basis is taken from the input's own columns, not from the reduced form.
    s.reset();
    for (std::int32_t t = 0; t < r; ++t) {
        const std::int32_t j = s.nextset();
        for (std::int32_t i = 0; i < rows(); ++i) b.at(i, t) = at(i, j);
    }
    protocol() << "Bild von Matrix\n" << b;
    return b;
}

template <class T> matrix<T> matrix<T>::kern() const {
    // The homogeneous system [A | 0]: its last column never holds a pivot.
    matrix w(rows(), cols() + 1, prot);
    for (std::int32_t i = 0; i < rows(); ++i)
        for (std::int32_t j = 0; j < cols(); ++j) w.at(i, j) = at(i, j);
    w.gaussJordan();
    matrix x = w.loesung();
    w = x;
    if (w.cols() == 1) {
        protocol() << "Kern von Matrix ist Nullvektor\n" << w;
        return w;
    }
    // Drop the particular solution, which is zero.
    matrix k(w.rows(), w.cols() - 1, prot);
    for (std::int32_t i = 0; i < k.rows(); ++i)
        for (std::int32_t j = 0; j < k.cols(); ++j) k.at(i, j) = w.at(i, j + 1);
    protocol() << "Kern von Matrix\n" << k;
    return k;
}

template <class T> matrix<T> matrix<T>::naehrungsloesung() {
    if (cols() - 1 >= rows()) {
        protocol() << "Es existiert genaue Lösung\n";
        gaussJordan();
        return loesung();
    }
    protocol() << "Nährungslösung zu\n" << *this;
    // Normal equations [AᵀA | Aᵀb], each sum accumulated from zero in row order.
    const std::int32_t n = cols() - 1;
    matrix nm(n, n + 1, prot);
    for (std::int32_t r = 0; r < n; ++r) {
        for (std::int32_t c = 0; c < n; ++c) {
            T sum = T(0);
            for (std::int32_t i = 0; i < rows(); ++i) sum = sum + at(i, c) * at(i, r);
            nm.at(r, c) = sum;
        }
        T sum = T(0);
        for (std::int32_t i = 0; i < rows(); ++i) sum = sum + at(i, r) * at(i, n);
        nm.at(r, n) = sum;
    }
    protocol() << "Matrix nach (At*A)x=At*b\n";
    nm.gaussJordan();
    return nm.loesung();
}

#define LINEON_INSTANTIATE(T)                                                                      \
    template matrix<T> matrix<T>::inverse() const;                                                 \
    template matrix<T> matrix<T>::bild() const;                                                    \
    template matrix<T> matrix<T>::kern() const;                                                    \
    template matrix<T> matrix<T>::naehrungsloesung();
LINEON_INSTANTIATE(reel)
LINEON_INSTANTIATE(longreel)
LINEON_INSTANTIATE(double)
