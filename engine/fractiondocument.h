#pragma once
#include <string>
#include <string_view>
#include <type_traits>

#include "bruchfonts.h"
#include "longreeltext.h"
#include "matrixdocument.h"
#include "reeltext.h"
#include "strbruch.h"

// What the two documents of exact fractions share: each cell drawn as a
// whole part with the fraction stacked beside it, and the cell text
// "3,1,2" for 3 1/2, "-1,2", "0".
template <class T> class FractionDocument : public MatrixDocument<T> {
public:
    using MatrixDocument<T>::MatrixDocument;

    std::string cellText(int row, int column, const FloatFormat&) const override {
        return ::cellText(this->at(row, column));
    }
    // Empty text is 0; "/" and "," both separate; one trailing "," is ignored.
    void setCellText(int row, int column, std::string_view text) override {
        if constexpr (std::is_same_v<T, reel>)
            this->at(row, column) = reelFromCellText(text);
        else
            this->at(row, column) = longreelFromCellText(text);
    }

    int cellWidth(int row, int column, const bruchfonts& s, dc& d) const override {
        return strbruch(this->at(row, column), s, d).width;
    }
    int rowHeight(const bruchfonts& s) const override { return s.fractionRowHeight(); }
    void drawCell(int x, int y, int row, int column, const bruchfonts& s, dc& d) const override {
        strbruch(this->at(row, column), s, d).draw(x, y, s, d);
    }
};
