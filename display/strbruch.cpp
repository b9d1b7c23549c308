#include "strbruch.h"

#include <algorithm>

#include "bruchfonts.h"
#include "longreeltext.h"
#include "reeltext.h"

strbruch::strbruch(const reel& value, const bruchfonts& s, dc& d) {
    layOut(displayText(value, !s.nurbruch), s, d);
}

strbruch::strbruch(const longreel& value, const bruchfonts& s, dc& d) {
    layOut(displayText(value, !s.nurbruch), s, d);
}

void strbruch::layOut(const std::string& text, const bruchfonts& s, dc& d) {
    // "whole,numerator,denominator"; the fields may be empty.
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    whole = text.substr(0, first);
    if (first != std::string::npos) numerator = text.substr(first + 1, second - first - 1);
    if (second != std::string::npos) denominator = text.substr(second + 1);

    if (!whole.empty()) {
        FontSelection a(d, s.fontA);
        width = d.textExtent(whole).cx;
    }
    if (!numerator.empty()) {
        if (!whole.empty()) width += s.avgWidthA / 2;
        FontSelection b(d, s.fontB);
        width += std::max(d.textExtent(numerator).cx, d.textExtent(denominator).cx);
    }
}

void strbruch::draw(int x, int y, const bruchfonts& s, dc& d) const {
    const int hb = s.heightB, z = s.bruchzr;
    if (s.rechtszentriert) x -= width;
    if (!whole.empty()) {
        FontSelection a(d, s.fontA);
        // Centred on the band of numerator, bar and denominator.
        d.textOut(x, y + (2 * hb + z - s.heightA) / 2, whole);
    }
    if (numerator.empty()) return;
    FontSelection b(d, s.fontB);
    const int n = d.textExtent(numerator).cx;
    const int den = d.textExtent(denominator).cx;
    const int bar = std::max(n, den);
    // The fraction ends where the layout ends: right after the whole part and
    // its gap, without measuring the whole part again.
    if (!whole.empty()) x += width - bar;
    if (n < den) {
        d.textOut(x, y + hb + z, denominator);
        d.textOut(x + (den - n) / 2, y, numerator);
    } else {
        d.textOut(x + (n - den) / 2, y + hb + z, denominator);
        d.textOut(x, y, numerator);
    }
    const int yb = y + hb + z / 2;
    d.line(x, yb, x + bar, yb);
}
