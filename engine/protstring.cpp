#include "protstring.h"

#include <ostream>
#include <string_view>
#include <utility>

#include "bruchfonts.h"
#include "dc.h"
#include "druckinfo.h"
#include "protlayout.h"

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The end of the character that starts at i (UTF-8).
std::size_t nextCharacter(std::string_view s, std::size_t i) {
    ++i;
    while (i < s.size() && continuationByte(s[i])) ++i;
    return i;
}

int widthOf(dc& d, std::string_view s) { return d.textExtent(s).cx; }

// End of the longest run of whole characters from `from` that fits into
// width; at least one character.
std::size_t longestFit(std::string_view s, std::size_t from, int width, dc& d) {
    std::size_t end = nextCharacter(s, from);
    for (std::size_t next = end; next < s.size();) {
        next = nextCharacter(s, next);
        if (widthOf(d, s.substr(from, next - from)) > width) break;
        end = next;
    }
    return end;
}

} // namespace

// The explained view sets every line apart as the heading of what follows:
// in font A, with room above it. The plain view writes it in the context's font.
void protstring::draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
                      const dcrect& clip) const {
    if (y > clip.bottom || y + l.height < clip.top) return;
    if (!s.notizen) return d.textOut(x, y, text);
    FontSelection a(d, s.fontA);
    d.textOut(x, y + s.addhoehe, text);
}

void protstring::measure(ProtLayout& l, const bruchfonts& s, dc& d) const {
    if (!s.notizen) {
        const dcsize e = d.textExtent(text);
        l.width = e.cx;
        l.height = e.cy;
        return;
    }
    FontSelection a(d, s.fontA);
    const dcsize e = d.textExtent(text);
    l.width = e.cx;
    l.height = e.cy + s.addhoehe;
}

void protstring::write(std::ostream& os) const { os << text << '\n' << std::flush; }

std::vector<std::size_t> protstring::breakLines(const std::string& text, int width, dc& d) {
    const std::string_view s = text;
    std::vector<std::size_t> starts{0};
    std::size_t start = 0;
    while (start < s.size() && widthOf(d, s.substr(start)) > width) {
        // The longest line that ends just after a blank; the widths grow with
        // the cut, so the search stops at the first cut that is too wide.
        std::size_t cut = 0;
        for (std::size_t blank = s.find(' ', start); blank != std::string_view::npos;
             blank = s.find(' ', blank + 1)) {
            if (blank + 1 >= s.size() || widthOf(d, s.substr(start, blank + 1 - start)) > width)
                break;
            cut = blank + 1;
        }
        if (cut == 0) cut = longestFit(s, start, width, d);
        if (cut >= s.size()) break; // the last character, alone and too wide
        start = cut;
        starts.push_back(start);
    }
    return starts;
}

void protstring::paginate(DruckInfo& cursor) const {
    dc& d = *cursor.device;
    PrintForm form;
    form.lineHeight = d.textExtent("a").cy;
    form.lineStarts = breakLines(text, cursor.printWidth, d);
    const int lines = int(form.lineStarts.size()), lineHeight = form.lineHeight;
    cursor.addItem(lines, lineHeight, std::move(form));
}

void protstring::printPage(DruckInfo& cursor) const {
    if (cursor.onPage()) {
        const PrintForm& form = cursor.form();
        const std::vector<std::size_t>& starts = form.lineStarts;
        const int n = int(starts.size());
        for (int i = cursor.firstLine(); i <= n && cursor.item != -1; ++i) {
            if (!cursor.fits(i, form.lineHeight)) continue;
            const std::size_t from = starts[std::size_t(i - 1)];
            const std::size_t to = i < n ? starts[std::size_t(i)] : text.size();
            cursor.device->textOut(cursor.left, cursor.y,
                                   std::string_view(text).substr(from, to - from));
            cursor.advance(form.lineHeight);
        }
    }
    cursor.nextItem();
}
