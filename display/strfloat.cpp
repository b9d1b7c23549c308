#include "strfloat.h"

#include "bruchfonts.h"

strfloat::strfloat(double value, const bruchfonts& s, dc& d) {
    text = s.floatFormat().text(value);
    FontSelection a(d, s.fontA);
    width = d.textExtent(text).cx;
}

void strfloat::draw(int x, int y, const bruchfonts& s, dc& d) const {
    if (s.rechtszentriert) x -= width;
    FontSelection a(d, s.fontA);
    d.textOut(x, y, text);
}
