#pragma once
#include <utility>

#include "matrix.h"
#include "matrixobject.h"
#include "reeltext.h"

// A document of exact fractions.
class MatrixReel : public matrix<reel>, public MatrixObject {
public:
    MatrixReel(int rows, int cols, protstream* p) : matrix<reel>(rows, cols, p) {}
    explicit MatrixReel(matrix<reel> m) : matrix<reel>(std::move(m)) {}
    // A snapshot whose entries live at place (see matrix).
    MatrixReel(const matrix<reel>& m, reel* place) : matrix<reel>(m, place) {}

    static constexpr const char* kindName = "Bruchzahlen";
    NumberKind kind() const override { return NumberKind::Exact; }
    int rows() const override { return matrix<reel>::rows(); }
    int cols() const override { return matrix<reel>::cols(); }

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

    // "3,1,2" for 3 1/2, "-1,2", "0".
    std::string cellText(int row, int column, const FloatFormat& format) const override;
    // Empty text is 0; "/" and "," both separate; one trailing "," is ignored.
    void setCellText(int row, int column, std::string_view text) override;
    // Whether setCellText reads all of text, as the number it shows.
    static bool cellTextReadsWhole(std::string_view text) { return ::cellTextReadsWhole(text); }
};
