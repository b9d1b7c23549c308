#pragma once
#include <cstdint>
#include <iosfwd>
#include <memory>

#include "entry.h"
#include "reel.h"
#include "sets.h"

class protstream;

// The corner of a pasted block that lands on the target cell.
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// A dense row-major matrix of reel, longreel or double entries that writes the steps of
// its algorithms into the protocol it points to (never owned).
// The empty 0 x 0 matrix is how an algorithm says it has no result.
template <class T> class matrix {
public:
    protstream* prot = nullptr;

    matrix() = default;
    explicit matrix(std::int32_t rows, std::int32_t cols, protstream* p = nullptr);
    matrix(const matrix& m);
    // Takes m's entries; m is left 0 x 0.
    matrix(matrix&& m) noexcept;
    // Copy of the inclusive block between two corners (indices taken modulo the size).
    matrix(const matrix& m, std::int32_t c1, std::int32_t r1, std::int32_t c2, std::int32_t r2);
    // Copy of m whose entries are placed at place, which holds rows * cols
    // entries and outlives the copy (a protocol's snapshot pool); the copy
    // never frees it.
    matrix(const matrix& m, T* place);
    // Both keep their own prot. The copy reuses its storage when the shapes
    // agree; the move takes m's entries and leaves m 0 x 0.
    matrix& operator=(const matrix& m);
    matrix& operator=(matrix&& m) noexcept;
    ~matrix() = default;

    std::int32_t rows() const { return rows_; }
    std::int32_t cols() const { return cols_; }
    bool hasData() const { return data_ != nullptr; }
    bool isEmpty() const { return rows_ == 0 && cols_ == 0; }

    // Out-of-range indices address row 0 / column 0. Without storage every
    // access yields a zero that no earlier write can have changed.
    T& at(std::int32_t r, std::int32_t c);
    const T& at(std::int32_t r, std::int32_t c) const;

    std::int32_t findrow(std::int32_t start, std::int32_t c) const;
    void swaprows(std::int32_t i, std::int32_t j);
    // Lays m on this matrix with the given corner on cell (r, c); what falls
    // outside is cut off.
    void paste(const matrix& m, std::int32_t c, std::int32_t r, Corner corner);
    void transpose();
    void resize(std::int32_t rows, std::int32_t cols, bool colsAtLeft, bool rowsAtTop);
    void fill(const T& value, std::int32_t c1, std::int32_t r1, std::int32_t c2, std::int32_t r2);

    // Where the algorithms write their steps: prot, or a sink when there is none.
    protstream& protocol() const;

    // Elimination. The sign, when given, is negated at every row exchange.
    std::int32_t gaussStep(std::int32_t k, std::int32_t* sign);
    void gauss(std::int32_t* sign = nullptr);
    std::int32_t gaussJordanStep(std::int32_t k);
    void gaussJordan();
    sets pivotColumns() const;
    matrix loesung() const;      // of a reduced augmented system [A | b]
    matrix determinante() const; // 1 x 1, for n x n and n x (n+1)

    // Built on elimination; each returns a new matrix.
    matrix inverse() const;
    matrix bild() const;
    matrix kern() const;
    matrix naehrungsloesung(); // least squares; solves in place when not over-determined

    // Linear programming on a tableau of affine forms (last row: objective,
    // last column: constants).
    void pivotiere(std::int32_t r, std::int32_t c);
    std::int32_t pickColumnAbs(const sets& used) const;
    std::int32_t pickColumn() const;
    std::int32_t pickRow(std::int32_t c) const;
    bool eckenfindung();
    bool optimum();
    sets unitRows() const;
    matrix solveRows(const sets& rowsToSolve) const;
    matrix findFeasible() const;
    matrix simplex() const;

    // Two operands; an operand of the wrong shape changes nothing.
    void multiply(const matrix& b); // b must have the transposed shape
    void add(const matrix& b);
    void subtract(const matrix& b);

    // Each entry followed by a tab, a newline after each row.
    void writeEntries(std::ostream& os) const;
    // Reads rows*cols entries in row-major order into the existing shape.
    void readEntries(std::istream& is);

protected:
    T& cell(std::int32_t r, std::int32_t c) { return data_[std::size_t(r) * cols_ + c]; }
    const T& cell(std::int32_t r, std::int32_t c) const {
        return data_[std::size_t(r) * cols_ + c];
    }

private:
    void eliminate(std::int32_t i, std::int32_t k, std::int32_t c, const T& f);

    // Frees the entries unless they live in storage the matrix was lent;
    // there only the count entries are destroyed.
    struct release {
        bool owned = true;
        std::size_t count = 0;
        void operator()(T* p) const {
            if (owned)
                delete[] p;
            else
                std::destroy_n(p, count);
        }
    };
    using storage = std::unique_ptr<T[], release>;

    std::int32_t rows_ = 0;
    std::int32_t cols_ = 0;
    storage data_;

    static storage allocate(std::int32_t rows, std::int32_t cols, bool zeroed = true);
    static T& sharedZero();
};

template <class T> std::ostream& operator<<(std::ostream& os, const matrix<T>& m) {
    m.writeEntries(os);
    return os;
}
template <class T> std::istream& operator>>(std::istream& is, matrix<T>& m) {
    m.readEntries(is);
    return is;
}

extern template class matrix<reel>;
extern template class matrix<longreel>;
extern template class matrix<double>;
