#pragma once
#include <string>

#include "dc.h"
#include "longreel.h"
#include "reel.h"

class bruchfonts;

// The measured layout of one fraction: the whole part in font A, then the
// numerator over a bar over the denominator in font B.
class strbruch {
public:
    strbruch() = default;
    strbruch(const reel& value, const bruchfonts& s, dc& d); // measured with s
    // A long number is laid out whole, however wide it gets.
    strbruch(const longreel& value, const bruchfonts& s, dc& d);

    // y is the top of the row; x the left edge of the cell, or its right edge
    // when s aligns right; s as it was measured with.
    void draw(int x, int y, const bruchfonts& s, dc& d) const;

    int width = 0;
    std::string whole, numerator, denominator;

private:
    // From the display text "whole,numerator,denominator".
    void layOut(const std::string& text, const bruchfonts& s, dc& d);
};
