#include "matrix.h"

#include <algorithm>
#include <cctype>
#include <type_traits>
#include <istream>
#include <memory>
#include <new>
#include <ostream>
#include <utility>

#include "longreeltext.h"
#include "protstream.h"
#include "reeltext.h"

namespace {
// Index reduced into 0 ... n-1 (n > 0), also for negative indices.
std::int32_t wrap(std::int32_t i, std::int32_t n) {
    std::int32_t r = i % n;
    return r < 0 ? r + n : r;
}
} // namespace

template <class T>
typename matrix<T>::storage matrix<T>::allocate(std::int32_t rows, std::int32_t cols, bool zeroed) {
    if (rows < 1 || cols < 1) return nullptr;
    const std::size_t n = std::size_t(rows) * std::size_t(cols);
    // Value-initialised: reel() is 0, double() is 0.0. Storage that is about
    // to be copied over is not cleared first (it halves the cost of a snapshot).
    return storage(zeroed ? new T[n]() : new T[n]);
}

template <class T> T& matrix<T>::sharedZero() {
    // Handed out by reference; reset on every use so that a write through one
    // access cannot show up in the next.
    static T zero;
    zero = T();
    return zero;
}

template <class T>
matrix<T>::matrix(std::int32_t rows, std::int32_t cols, protstream* p)
    : prot(p), rows_(rows), cols_(cols), data_(allocate(rows, cols)) {}

template <class T>
matrix<T>::matrix(const matrix& m)
    : prot(m.prot), rows_(m.rows_), cols_(m.cols_), data_(allocate(m.rows_, m.cols_, false)) {
    if (data_) std::copy_n(m.data_.get(), std::size_t(rows_) * cols_, data_.get());
}

template <class T>
matrix<T>::matrix(matrix&& m) noexcept
    : prot(m.prot), rows_(std::exchange(m.rows_, 0)), cols_(std::exchange(m.cols_, 0)),
      data_(std::move(m.data_)) {}

template <class T>
matrix<T>::matrix(const matrix& m, std::int32_t c1, std::int32_t r1, std::int32_t c2,
                  std::int32_t r2)
    : prot(m.prot) {
    if (!m.data_) return;
    c1 = wrap(c1, m.cols_);
    c2 = wrap(c2, m.cols_);
    r1 = wrap(r1, m.rows_);
    r2 = wrap(r2, m.rows_);
    if (c1 > c2) std::swap(c1, c2);
    if (r1 > r2) std::swap(r1, r2);
    try {
        data_ = allocate(r2 - r1 + 1, c2 - c1 + 1, false);
    } catch (const std::bad_alloc&) {
        return; // 0 x 0
    }
    rows_ = r2 - r1 + 1;
    cols_ = c2 - c1 + 1;
    for (std::int32_t i = 0; i < rows_; ++i) std::copy_n(&m.cell(r1 + i, c1), cols_, &cell(i, 0));
}

template <class T>
matrix<T>::matrix(const matrix& m, T* place)
    : prot(m.prot), rows_(m.rows_), cols_(m.cols_), data_(nullptr, release{false, 0}) {
    if (!m.data_) return;
    const std::size_t n = std::size_t(rows_) * cols_;
    std::uninitialized_copy_n(m.data_.get(), n, place);
    data_ = storage(place, release{false, n});
}

template <class T> matrix<T>& matrix<T>::operator=(const matrix& m) {
    if (this == &m) return *this;
    if (data_ && m.data_ && rows_ == m.rows_ && cols_ == m.cols_) {
        std::copy_n(m.data_.get(), std::size_t(rows_) * cols_, data_.get());
        return *this;
    }
    auto fresh = allocate(m.rows_, m.cols_, false);
    if (fresh) std::copy_n(m.data_.get(), std::size_t(m.rows_) * m.cols_, fresh.get());
    data_ = std::move(fresh);
    rows_ = m.rows_;
    cols_ = m.cols_;
    return *this;
}

template <class T> matrix<T>& matrix<T>::operator=(matrix&& m) noexcept {
    if (this == &m) return *this;
    data_ = std::move(m.data_);
    rows_ = std::exchange(m.rows_, 0);
    cols_ = std::exchange(m.cols_, 0);
    return *this;
}

template <class T> T& matrix<T>::at(std::int32_t r, std::int32_t c) {
    if (!data_) return sharedZero();
    if (r < 0 || r >= rows_) r = 0;
    if (c < 0 || c >= cols_) c = 0;
    return cell(r, c);
}

template <class T> const T& matrix<T>::at(std::int32_t r, std::int32_t c) const {
    return const_cast<matrix*>(this)->at(r, c);
}

template <class T> std::int32_t matrix<T>::findrow(std::int32_t start, std::int32_t c) const {
    if (!data_ || c < 0 || c >= cols_) return -1;
    for (std::int32_t r = std::max(start, 0); r < rows_; ++r)
        if (entrySign(cell(r, c)) != 0) return r;
    return -1;
}

template <class T> void matrix<T>::swaprows(std::int32_t i, std::int32_t j) {
    if (i < 0 || j < 0 || i >= rows_ || j >= rows_ || i == j || !data_) return;
    std::swap_ranges(&cell(i, 0), &cell(i, 0) + cols_, &cell(j, 0));
}

template <class T>
void matrix<T>::paste(const matrix& m, std::int32_t c, std::int32_t r, Corner corner) {
    if (!m.data_ || !data_) return;
    c = wrap(c, cols_);
    r = wrap(r, rows_);
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    const std::int32_t W = right ? std::min(c + 1, m.cols_) : std::min(cols_ - c, m.cols_);
    const std::int32_t H = bottom ? std::min(r + 1, m.rows_) : std::min(rows_ - r, m.rows_);
    const std::int32_t srcCol = right ? std::max(m.cols_ - c - 1, 0) : 0;
    const std::int32_t srcRow = bottom ? std::max(m.rows_ - r - 1, 0) : 0;
    const std::int32_t dstCol = right ? c - W + 1 : c;
    const std::int32_t dstRow = bottom ? r - H + 1 : r;
    for (std::int32_t i = 0; i < H; ++i)
        std::copy_n(&m.cell(srcRow + i, srcCol), W, &cell(dstRow + i, dstCol));
}

template <class T> void matrix<T>::transpose() {
    if (!data_) return;
    auto fresh = allocate(cols_, rows_, false);
    for (std::int32_t r = 0; r < rows_; ++r)
        for (std::int32_t c = 0; c < cols_; ++c) fresh[std::size_t(c) * rows_ + r] = cell(r, c);
    data_ = std::move(fresh);
    std::swap(rows_, cols_);
}

template <class T>
void matrix<T>::resize(std::int32_t R, std::int32_t C, bool colsAtLeft, bool rowsAtTop) {
    if (!data_ || (R == rows_ && C == cols_) || R < 0 || C < 0) return;
    auto fresh = allocate(R, C);
    const std::int32_t colOffset = colsAtLeft ? cols_ - C : 0;
    const std::int32_t rowOffset = rowsAtTop ? rows_ - R : 0;
    if (fresh) {
        for (std::int32_t i = 0; i < R; ++i) {
            const std::int32_t oi = i + rowOffset;
            if (oi < 0 || oi >= rows_) continue;
            for (std::int32_t j = 0; j < C; ++j) {
                const std::int32_t oj = j + colOffset;
                if (oj >= 0 && oj < cols_) fresh[std::size_t(i) * C + j] = cell(oi, oj);
            }
        }
    }
    data_ = std::move(fresh);
    rows_ = R;
    cols_ = C;
}

template <class T>
void matrix<T>::fill(const T& value, std::int32_t c1, std::int32_t r1, std::int32_t c2,
                     std::int32_t r2) {
    if (!data_) return;
    c1 = wrap(c1, cols_);
    c2 = wrap(c2, cols_);
    r1 = wrap(r1, rows_);
    r2 = wrap(r2, rows_);
    if (c1 > c2) std::swap(c1, c2);
    if (r1 > r2) std::swap(r1, r2);
    for (std::int32_t r = r1; r <= r2; ++r) std::fill_n(&cell(r, c1), c2 - c1 + 1, value);
}

template <class T> protstream& matrix<T>::protocol() const {
    return prot ? *prot : protstream::discard();
}

template <class T> void matrix<T>::writeEntries(std::ostream& os) const {
    if (!data_) return;
    for (std::int32_t r = 0; r < rows_; ++r) {
        for (std::int32_t c = 0; c < cols_; ++c) os << cell(r, c) << '\t';
        os << '\n';
    }
}

template <class T> void matrix<T>::readEntries(std::istream& is) {
    if (!data_) return;
    for (std::int32_t r = 0; r < rows_; ++r)
        for (std::int32_t c = 0; c < cols_; ++c) {
            T& x = cell(r, c);
            is >> x;
            if (!is.fail()) continue;
            // A malformed element reads as 0 (a double out of range too); the
            // rest of its text is skipped so that the elements after it still
            // read. At the end of the input every further element is 0.
            if constexpr (std::is_same_v<T, double>) x = 0.0;
            if (is.eof()) continue;
            is.clear();
            while (is.peek() != std::char_traits<char>::eof() && !std::isspace(is.peek())) is.get();
        }
}

template class matrix<reel>;
template class matrix<longreel>;
template class matrix<double>;
