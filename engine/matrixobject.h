#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "floatformat.h"
#include "numberkind.h"

class bruchfonts;
class dc;

// A matrix document seen without its element type: what the editor, the
// protocol, the files and the algorithm commands need of a matrix.
// Algorithm operations either change the document in place (gauss,
// gaussJordan, pivotiere, eckenfindung) or replace it by their result.
// Exact documents may raise mylongint::overflow from the algorithm operations.
class MatrixObject {
public:
    using enum NumberKind; // MatrixObject::Exact, MatrixObject::Float, MatrixObject::Long

    virtual NumberKind kind() const = 0;
    virtual ~MatrixObject() = default;
    virtual int rows() const = 0;
    virtual int cols() const = 0;

    virtual void gauss() = 0;
    virtual void gaussJordan() = 0;
    virtual void loesung() = 0;
    virtual void inverse() = 0;
    virtual void bild() = 0;
    virtual void kern() = 0;
    virtual void determinante() = 0;
    virtual void pivotiere(int row, int column) = 0; // 0-based
    virtual void eckenfindung() = 0;
    virtual void simplex() = 0;
    virtual void naehrungsloesung() = 0;

    virtual void read(std::istream& is) = 0;
    virtual void write(std::ostream& os) const = 0;

    // Display of one cell (0-based; outside the matrix means row or column 0),
    // in the device units of d, with the fonts and layout of s.
    virtual int cellWidth(int row, int column, const bruchfonts& s, dc& d) const = 0;
    virtual int rowHeight(const bruchfonts& s) const = 0;
    // y is the top of the row; x the cell's left edge, or its right edge when
    // s aligns right.
    virtual void drawCell(int x, int y, int row, int column, const bruchfonts& s, dc& d) const = 0;

    // The text the entry field shows; doubles in the given format.
    virtual std::string cellText(int row, int column, const FloatFormat& format) const = 0;
    virtual void setCellText(int row, int column, std::string_view text) = 0;
};
