// Product, sum and difference of two matrices, written into this matrix.
#include "matrix.h"
#include "protstream.h"

template <class T> void matrix<T>::multiply(const matrix& b) {
    const std::int32_t m = rows();
    const std::int32_t n = cols();
    if (b.rows() != n || b.cols() != m) return;
    protocol() << "Multiplikation von 2 Matrizen.\n" << *this << "mal\n" << b;
    matrix c(m, m, prot);
    for (std::int32_t i = 0; i < m; ++i) {
        for (std::int32_t j = 0; j < m; ++j) {
            T sum = T(0);
            for (std::int32_t k = 0; k < n; ++k) sum = sum + at(i, k) * b.at(k, j);
            c.at(i, j) = sum;
        }
    }
    protocol() << "Ergebniss = (" << m << "*" << m << ") Matrix\n" << c;
    // Assigned only now, so an overflow above leaves this matrix as it was.
    *this = c;
}

template <class T> void matrix<T>::add(const matrix& b) {
    if (b.rows() != rows() || b.cols() != cols()) return;
    protocol() << "Addition von 2 Matrizen.\n" << *this << "plus\n" << b;
    for (std::int32_t i = 0; i < rows(); ++i)
        for (std::int32_t j = 0; j < cols(); ++j) at(i, j) = at(i, j) + b.at(i, j);
    protocol() << "Ergebniss\n" << *this;
}

template <class T> void matrix<T>::subtract(const matrix& b) {
    if (b.rows() != rows() || b.cols() != cols()) return;
    protocol() << "Substraktion von 2 Matrizen.\n" << *this << "minus\n" << b;
    for (std::int32_t i = 0; i < rows(); ++i)
        for (std::int32_t j = 0; j < cols(); ++j) at(i, j) = at(i, j) - b.at(i, j);
    protocol() << "Ergebniss\n" << *this;
}

#define LINEON_INSTANTIATE(T)                                                                      \
    template void matrix<T>::multiply(const matrix&);                                              \
    template void matrix<T>::add(const matrix&);                                                   \
    template void matrix<T>::subtract(const matrix&);
LINEON_INSTANTIATE(reel)
LINEON_INSTANTIATE(longreel)
LINEON_INSTANTIATE(double)
