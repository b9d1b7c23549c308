#include "matrixfloat.h"

#include <sstream>

#include "bruchfonts.h"
#include "strfloat.h"

std::string MatrixFloat::cellText(int row, int column, const FloatFormat& format) const {
    return format.text(at(row, column));
}

void MatrixFloat::setCellText(int row, int column, std::string_view text) {
    double v = 0.0;
    if (!text.empty()) {
        std::istringstream is{std::string(text)};
        if (!(is >> v)) v = 0.0; // no number, or one beyond the range of a double
    }
    at(row, column) = v;
}

bool MatrixFloat::cellTextReadsWhole(std::string_view text) {
    if (text.empty()) return true;
    std::istringstream is{std::string(text)};
    double v = 0.0;
    return bool(is >> v) && is.peek() == std::istringstream::traits_type::eof();
}

// The text in font A, as wide as it measures on the context.
int MatrixFloat::cellWidth(int row, int column, const bruchfonts& s, dc& d) const {
    return strfloat(at(row, column), s, d).width;
}

int MatrixFloat::rowHeight(const bruchfonts& s) const { return s.floatRowHeight(); }

void MatrixFloat::drawCell(int x, int y, int row, int column, const bruchfonts& s, dc& d) const {
    strfloat(at(row, column), s, d).draw(x, y, s, d);
}
