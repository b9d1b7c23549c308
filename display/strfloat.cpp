#include "strfloat.h"

#include "bruchfonts.h"

strfloat::strfloat(double value, dc& d) {
    const bruchfonts& s = settings();
    text = s.floatFormat().text(value);
    FontSelection a(d, s.fontA);
    width = d.textExtent(text).cx;
}

void strfloat::draw(int x, int y, dc& d) const {
    const bruchfonts& s = settings();
    if (s.rechtszentriert) x -= width;
    FontSelection a(d, s.fontA);
    d.textOut(x, y, text);
}
