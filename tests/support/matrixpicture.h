#pragma once
#include <string>

#include "matrixobject.h"

// The matrix row by row as its cells read: "a b / c d".
inline std::string picture(const MatrixObject& m) {
    std::string s;
    for (int r = 0; r < m.rows(); ++r) {
        if (r > 0) s += " / ";
        for (int c = 0; c < m.cols(); ++c) s += (c > 0 ? " " : "") + m.cellText(r, c, {});
    }
    return s;
}
