#include "druckinfo.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// a * b / c with the product formed first, truncated; 0 for c = 0.
int scaled(int a, int b, int c) { return c == 0 ? 0 : int(std::int64_t(a) * b / c); }

} // namespace

void DruckInfo::setGeometry(dcsize pageSize, const PageGeometry& page) {
    top = scaled(pageSize.cy, page.marginTop, page.paperHeight);
    left = scaled(pageSize.cx, page.marginLeft, page.paperWidth);
    printWidth = pageSize.cx - scaled(pageSize.cx, page.marginRight, page.paperWidth) - left;
    printHeight = pageSize.cy - scaled(pageSize.cy, page.marginBottom, page.paperHeight) - top;
}

void DruckInfo::startPagination() {
    reset();
    pageStarts.assign(1, SeitenMerkmale{0, 0});
    forms_.clear();
}

void DruckInfo::reset() {
    pageBreaks = 0;
    item = 0;
    y = top;
}

void DruckInfo::addItem(int lines, int lineHeight, PrintForm form) {
    forms_.push_back(std::move(form));
    int placed = 0;
    // No more than a page at a time, so y stays on the page and the products
    // stay small even for records of millions of lines.
    while (lineHeight > 0 && placed < lines) {
        int room = y <= printHeight ? (printHeight - y) / lineHeight : 0;
        // A line taller than the whole page gets a page of its own (drawn
        // clipped), so pagination always moves on.
        if (room == 0 && y == top) room = 1;
        if (room == 0) {
            pageStarts.push_back({item, placed});
            ++pageBreaks;
            y = top;
            continue;
        }
        const int n = std::min(room, lines - placed);
        y += n * lineHeight;
        placed += n;
    }
    ++item;
}

bool DruckInfo::beginPage(int page) {
    if (page < 1 || page > pageCount || page > int(pageStarts.size())) return false;
    reset();
    startItem = pageStarts[std::size_t(page - 1)].item;
    startLine = pageStarts[std::size_t(page - 1)].line;
    reset();
    return true;
}

bool DruckInfo::fits(int line, int lineHeight) {
    if (item == startItem && startLine >= line) return false; // printed on an earlier page
    if (item == -1) return false;
    // The first line of a page always goes on it: pagination gave a line
    // taller than the page a page of its own.
    if (y + lineHeight > printHeight && y != top) {
        item = -1;
        return false;
    }
    return true;
}
