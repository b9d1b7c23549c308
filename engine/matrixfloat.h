#pragma once
#include <utility>

#include "matrix.h"
#include "matrixobject.h"

// A document of doubles.
class MatrixFloat : public matrix<double>, public MatrixObject {
public:
    MatrixFloat(int rows, int cols, protstream* p) : matrix<double>(rows, cols, p) {}
    explicit MatrixFloat(matrix<double> m) : matrix<double>(std::move(m)) {}
    // A snapshot whose entries live at place (see matrix).
    MatrixFloat(const matrix<double>& m, double* place) : matrix<double>(m, place) {}

    // The floating-point copy of a matrix of any element type, on the given protocol.
    template <class T> static MatrixFloat converted(const matrix<T>& m, protstream* p) {
        MatrixFloat f(m.rows(), m.cols(), p);
        for (int r = 0; r < m.rows(); ++r)
            for (int c = 0; c < m.cols(); ++c) f.at(r, c) = static_cast<double>(m.at(r, c));
        return f;
    }

    static constexpr const char* kindName = "Gleitkommazahlen";
    NumberKind kind() const override { return NumberKind::Float; }
    int rows() const override { return matrix<double>::rows(); }
    int cols() const override { return matrix<double>::cols(); }

    void gauss() override;
    void gaussJordan() override;
    void loesung() override;
    void inverse() override;
    void bild() override;
    void kern() override;
    void determinante() override;
    void pivotiere(int row, int column) override;
    void eckenfindung() override;
    void simplex() override;
    void naehrungsloesung() override;

    void read(std::istream& is) override { readEntries(is); }
    void write(std::ostream& os) const override { writeEntries(os); }

    int cellWidth(int row, int column, const bruchfonts& s, dc& d) const override;
    int rowHeight(const bruchfonts& s) const override;
    void drawCell(int x, int y, int row, int column, const bruchfonts& s, dc& d) const override;

    // The value in the given format.
    std::string cellText(int row, int column, const FloatFormat& format) const override;
    // Empty text is 0; otherwise the longest leading number the text holds.
    void setCellText(int row, int column, std::string_view text) override;
    // Whether setCellText reads all of text, as the number it shows (and not
    // beyond the range of a double).
    static bool cellTextReadsWhole(std::string_view text);
};
