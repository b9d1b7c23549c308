#pragma once
#include <iosfwd>
#include <string>

// How doubles are turned into text: in cells, in floating-point matrix files
// and in the number layout. 0 scientific, 1 fixed, 2 general notation.
// The format in use by the display is settings().floatFormat().
struct FloatFormat {
    int fformat = 2;
    bool showpoint = false;
    bool showpos = false;
    int precision = 6;

    void apply(std::ios_base& s) const;
    // The text of v in this format: what a fresh stream with the format
    // applied would give (without building a stream each time).
    std::string text(double v) const;
};
