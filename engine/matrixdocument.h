#pragma once
#include <utility>

#include "matrix.h"
#include "matrixobject.h"

// What every document shares over its element type T: the algorithms of
// matrix<T> behind the document interface, and the file form of its entries.
// Gauss, Gauss-Jordan, pivot steps and vertex finding work in place; the
// others replace the document by their result only once the algorithm has
// returned, so an overflow leaves the document as it was.
template <class T> class MatrixDocument : public matrix<T>, public MatrixObject {
public:
    MatrixDocument(int rows, int cols, protstream* p) : matrix<T>(rows, cols, p) {}
    explicit MatrixDocument(matrix<T> m) : matrix<T>(std::move(m)) {}
    // A snapshot whose entries live at place (see matrix).
    MatrixDocument(const matrix<T>& m, T* place) : matrix<T>(m, place) {}

    int rows() const override { return matrix<T>::rows(); }
    int cols() const override { return matrix<T>::cols(); }

    void gauss() override { matrix<T>::gauss(nullptr); }
    void gaussJordan() override { matrix<T>::gaussJordan(); }
    void pivotiere(int row, int column) override { matrix<T>::pivotiere(row, column); }
    void eckenfindung() override { matrix<T>::eckenfindung(); }
    void loesung() override { replaceBy(matrix<T>::loesung()); }
    void inverse() override { replaceBy(matrix<T>::inverse()); }
    void bild() override { replaceBy(matrix<T>::bild()); }
    void kern() override { replaceBy(matrix<T>::kern()); }
    void determinante() override { replaceBy(matrix<T>::determinante()); }
    void simplex() override { replaceBy(matrix<T>::simplex()); }
    void naehrungsloesung() override { replaceBy(matrix<T>::naehrungsloesung()); }

    void read(std::istream& is) override { this->readEntries(is); }
    void write(std::ostream& os) const override { this->writeEntries(os); }

    // The copy of a matrix of any element type, each entry converted by convert.
    template <class Doc, class U, class Convert>
    static Doc converted(const matrix<U>& m, protstream* p, Convert convert) {
        Doc d(m.rows(), m.cols(), p);
        for (int r = 0; r < m.rows(); ++r)
            for (int c = 0; c < m.cols(); ++c) d.at(r, c) = convert(m.at(r, c));
        return d;
    }

private:
    void replaceBy(matrix<T> result) { matrix<T>::operator=(std::move(result)); }
};
