#pragma once
#include <string>

#include "dc.h"
#include "reel.h"

// The measured layout of one fraction: the whole part in font A, then the
// numerator over a bar over the denominator in font B.
class strbruch {
public:
    strbruch() = default;
    strbruch(const reel& value, dc& d); // measures with the current settings

    // y is the top of the row; x the left edge of the cell, or its right edge
    // when the settings align right.
    void draw(int x, int y, dc& d) const;

    int width = 0;
    std::string whole, numerator, denominator;
};
