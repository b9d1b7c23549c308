#pragma once
#include <string>

#include "dc.h"

class bruchfonts;

// The measured layout of one double: its text in font A.
class strfloat {
public:
    strfloat() = default;
    strfloat(double value, const bruchfonts& s, dc& d); // text in the float format of s

    void draw(int x, int y, const bruchfonts& s, dc& d) const; // as for strbruch

    std::string text;
    int width = 0;
};
