#pragma once
#include <string>

#include "dc.h"

// The measured layout of one double: its text in font A.
class strfloat {
public:
    strfloat() = default;
    strfloat(double value, dc& d); // text in the settings' float format

    void draw(int x, int y, dc& d) const; // x, y as for strbruch

    std::string text;
    int width = 0;
};
