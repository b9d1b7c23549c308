#include "protstring.h"

#include <ostream>

#include "dc.h"

void protstring::draw(int x, int y, dc& d, const dcrect& clip) const {
    if (y <= clip.bottom && y + height >= clip.top) d.textOut(x, y, text);
}

void protstring::measure(dc& d) {
    const dcsize s = d.textExtent(text);
    width = s.cx;
    height = s.cy;
}

void protstring::write(std::ostream& os) const { os << text << '\n' << std::flush; }
