#pragma once
#include "matrixdocument.h"

// A document of doubles.
class MatrixFloat : public MatrixDocument<double> {
public:
    using MatrixDocument::MatrixDocument;

    // The floating-point copy of a matrix of any element type (long
    // fractions to the nearest double), on the given protocol.
    template <class T> static MatrixFloat converted(const matrix<T>& m, protstream* p) {
        return MatrixDocument::converted<MatrixFloat>(
            m, p, [](const T& x) { return static_cast<double>(x); });
    }

    static constexpr const char* kindName = "Gleitkommazahlen";
    NumberKind kind() const override { return NumberKind::Float; }

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
