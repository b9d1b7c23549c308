#include "protmatrix.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

#include "bruchfonts.h"
#include "dc.h"
#include "druckinfo.h"
#include "matrixobject.h"
#include "protlayout.h"

namespace {

// Where the columns of a snapshot stand. The plain view puts a gap of
// addbreite before every column. The explained view sets the matrix between
// brackets and the columns farther apart than the whole part of a mixed
// number stands from its fraction (half a character), so that "5 1/2" and
// "-1 1/2" read as two numbers, not four; its note stands to the right.
struct Frame {
    bool explained = false;
    int margin = 0; // from the record's left edge to the left bracket
    int pad = 0;    // from a bracket to the nearest column
    int gap = 0;    // between two columns
    int serif = 0;  // a bracket's short strokes

    Frame(const bruchfonts& s, int cols) : explained(s.notizen && cols > 0), gap(s.addbreite) {
        if (!explained) return;
        gap = std::max(s.addbreite, 2 * s.avgWidthA);
        margin = std::max(2, s.avgWidthA / 2);
        pad = std::max(2, gap * 2 / 3);
        serif = std::max(3, s.avgWidthA / 2);
    }
    // The left edge of the first column, from the record's left edge.
    int first() const { return explained ? margin + pad : gap; }
    // Everything besides the columns' own widths, up to the right bracket.
    int beside(int cols) const { return explained ? 2 * margin + 2 * pad + (cols - 1) * gap : 0; }
};

std::int32_t sumOf(const std::vector<std::int32_t>& widths) {
    std::int32_t sum = 0;
    for (const std::int32_t w : widths) sum += w;
    return sum;
}

// The explained view's note lines, in font B.
int noteLineHeight(const bruchfonts& s) { return s.heightB + s.addhoehe / 2; }

} // namespace

protmatrix::protmatrix(std::unique_ptr<MatrixObject> m) : matrix_(std::move(m)) {}

std::vector<std::string> protmatrix::explanation(const bruchfonts& s) const {
    if (!s.notizen || note_ == nullptr || matrix_->cols() == 0) return {};
    return noteLines(*note_);
}
protmatrix::~protmatrix() = default;

void protmatrix::measure(ProtLayout& l, const bruchfonts& s, dc& d) const {
    layOut(l, s, d);
    measureRows(l, s, d, matrix_->rows());
}

void protmatrix::layOut(ProtLayout& l, const bruchfonts& s, dc& d) const {
    l.height = matrix_->rows() * matrix_->rowHeight(s);
    // The explained view's brackets and note are there before the columns
    // are measured; the columns' widths add to them.
    const Frame frame(s, matrix_->cols());
    l.width = frame.beside(matrix_->cols());
    if (frame.explained) {
        // The note's lines are counted now and measured with the columns.
        const int lines = s.notizen && note_ != nullptr ? int(noteLineCount(*note_)) : 0;
        l.height = std::max(l.height, lines * noteLineHeight(s)) + s.addhoehe;
    }
    l.columnWidths.assign(std::size_t(matrix_->cols()), 0);
    l.measuredRows = 0;
    measureRows(l, s, d, 0); // no rows or no columns: measured already
}

// Row by row, as the entries lie in memory; each cell is measured once.
// The widths become final with the last row.
void protmatrix::measureRows(ProtLayout& l, const bruchfonts& s, dc& d, int end) const {
    const int rows = matrix_->rows(), cols = matrix_->cols();
    if (l.measured()) return;
    if (cols == 0) end = rows;
    std::vector<std::int32_t>& widths = l.columnWidths;
    for (int r = l.measuredRows; r < end; ++r)
        for (int c = 0; c < cols; ++c)
            widths[std::size_t(c)] =
                std::max(widths[std::size_t(c)], matrix_->cellWidth(r, c, s, d));
    l.measuredRows = end;
    if (end < rows) return;
    l.measuredRows = -1;
    const Frame frame(s, cols);
    if (frame.explained) {
        const std::vector<std::string> lines = explanation(s);
        if (!lines.empty()) {
            FontSelection b(d, s.fontB);
            int longest = 0;
            for (const std::string& line : lines)
                longest = std::max(longest, d.textExtent(line).cx);
            l.width += frame.gap + longest;
        }
    }
    std::int32_t widest = 0;
    for (const std::int32_t w : widths) {
        l.width += w;
        widest = std::max(widest, w);
    }
    // The width stays the sum of the columns' own widths; in the explained
    // view it is the width drawn.
    if (s.fixbreite) {
        if (frame.explained) l.width += cols * widest - sumOf(widths);
        std::fill(widths.begin(), widths.end(), widest);
    }
}

// A column is as wide as its widest cell, so a record on screen is measured whole.
void protmatrix::measureBand(ProtLayout& l, const bruchfonts& s, dc& d, int top, int bottom) const {
    if (top <= l.height && bottom >= 0) measureRows(l, s, d, matrix_->rows());
}

bool protmatrix::measureMore(ProtLayout& l, const bruchfonts& s, dc& d, long& cells) const {
    if (l.measured()) return false;
    const long perRow = std::max(1, matrix_->cols());
    const long rows =
        std::min<long>(matrix_->rows() - l.measuredRows, std::max(1L, cells / perRow));
    measureRows(l, s, d, l.measuredRows + int(rows));
    cells -= rows * perRow;
    return !l.measured();
}

void protmatrix::draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
                      const dcrect& clip) const {
    const int cols = matrix_->cols();
    if (y > clip.bottom || clip.top > y + l.height || !l.measured() || cols == 0 ||
        l.columnWidths.size() != std::size_t(cols))
        return;
    const std::vector<std::int32_t>& columnWidths = l.columnWidths;
    const int rows = matrix_->rows(), rowHeight = matrix_->rowHeight(s);
    const Frame frame(s, cols);
    // A whole part can reach above its row and a double below it by less than
    // a font A height; rows farther from the clip leave no ink in it.
    const int reach = s.heightA;
    const int pivotRow = note_ != nullptr && frame.explained ? note_->pivotRow : -1;
    const int pivotColumn = pivotRow >= 0 ? note_->pivotColumn : -1;
    int left = x + frame.first();
    for (int c = 0; c < cols; ++c) {
        if (c > 0) left += frame.gap;
        if (left > clip.right) break;
        const int right = left + columnWidths[std::size_t(c)];
        if (right >= clip.left) {
            const int cellX = s.rechtszentriert ? right : left;
            for (int r = 0; r < rows; ++r) {
                const int top = y + r * rowHeight;
                if (top + rowHeight + reach < clip.top) continue;
                if (top - reach > clip.bottom) break;
                matrix_->drawCell(cellX, top, r, c, s, d);
            }
            // The pivot in a box that reaches a third into the gaps beside it.
            if (c == pivotColumn && pivotRow < rows) {
                const int bl = left - frame.gap / 3, br = right + frame.gap / 3;
                const int bt = y + pivotRow * rowHeight, bb = bt + rowHeight - 1;
                d.line(bl, bt, br, bt);
                d.line(br, bt, br, bb);
                d.line(br, bb, bl, bb);
                d.line(bl, bb, bl, bt);
            }
        }
        left = right;
    }
    if (!frame.explained || rows == 0) return;
    const int bottom = y + rows * rowHeight - 1;
    const int open = x + frame.margin, close = left + frame.pad;
    if (open >= clip.left && open <= clip.right) {
        d.line(open, y, open, bottom);
        d.line(open, y, open + frame.serif, y);
        d.line(open, bottom, open + frame.serif, bottom);
    }
    if (close >= clip.left && close <= clip.right) {
        d.line(close, y, close, bottom);
        d.line(close, y, close - frame.serif, y);
        d.line(close, bottom, close - frame.serif, bottom);
    }
    const std::vector<std::string> lines = explanation(s);
    if (lines.empty() || close + frame.margin + frame.gap > clip.right) return;
    FontSelection b(d, s.fontB);
    const int lineHeight = noteLineHeight(s);
    for (std::size_t i = 0; i < lines.size(); ++i)
        d.textOut(close + frame.margin + frame.gap, y + int(i) * lineHeight, lines[i]);
}

void protmatrix::write(std::ostream& os) const {
    if (inTextFile_) matrix_->write(os);
}

namespace {

// Ends a print line after which its matrix row goes on in the next line.
constexpr std::string_view continuationMark = "→";

} // namespace

void protmatrix::paginate(DruckInfo& cursor) const {
    dc& d = *cursor.device;
    const bruchfonts& s = *cursor.settings;
    PrintForm form;
    {
        ProtLayout measured;
        measure(measured, s, d);
        form.columnWidths = std::move(measured.columnWidths);
    }
    {
        FontSelection a(d, s.fontA);
        form.markWidth = d.textExtent(continuationMark).cx;
    }
    // A strip takes columns while they fit into the printable width, each
    // with its gap; at least one column, however wide. A strip after which
    // the row goes on leaves room for one more gap and the mark.
    const std::vector<std::int32_t>& columnWidths = form.columnWidths;
    const int gap = s.addbreite, cols = int(columnWidths.size());
    const auto step = [&](int c) { return std::int64_t(columnWidths[std::size_t(c)]) + gap; };
    const std::int64_t mark = std::int64_t(gap) + form.markWidth;
    for (int c = 0; c < cols;) {
        const int first = c;
        std::int64_t used = 0;
        while (c < cols && (c == first || used + step(c) <= cursor.printWidth)) used += step(c++);
        while (c < cols && c - 1 > first && used + mark > cursor.printWidth) used -= step(--c);
        form.strips.push_back(first);
    }
    form.notes = explanation(s);
    const int lines = int(form.strips.size()) * matrix_->rows() + int(form.notes.size());
    cursor.addItem(lines, matrix_->rowHeight(s), std::move(form));
}

void protmatrix::printPage(DruckInfo& cursor) const {
    if (cursor.onPage() && !cursor.form().strips.empty()) {
        const PrintForm& form = cursor.form();
        const std::vector<int>& printStrips = form.strips;
        const std::vector<std::int32_t>& columnWidths = form.columnWidths;
        const int markWidth = form.markWidth;
        const bruchfonts& s = *cursor.settings;
        const bool right = s.rechtszentriert;
        const int gap = s.addbreite;
        const int strips = int(printStrips.size()), cols = matrix_->cols();
        const int rowLines = strips * matrix_->rows(), lineHeight = matrix_->rowHeight(s);
        const int lines = rowLines + int(form.notes.size());
        // The mark stands one gap after the strip's last number, as high as
        // the whole numbers of the row.
        const int markTop = (lineHeight - s.addhoehe - s.heightA) / 2;
        const int margin = cursor.left + cursor.printWidth;
        for (int i = cursor.firstLine(); i <= lines && cursor.item != -1; ++i) {
            if (!cursor.fits(i, lineHeight)) continue;
            if (i > rowLines) {
                FontSelection b(*cursor.device, s.fontB);
                cursor.device->textOut(cursor.left, cursor.y,
                                       form.notes[std::size_t(i - rowLines - 1)]);
                cursor.advance(lineHeight);
                continue;
            }
            const int row = (i - 1) / strips, strip = (i - 1) % strips;
            const int next = strip + 1 < strips ? printStrips[std::size_t(strip + 1)] : cols;
            // Left-aligned cells start where the columns before them end;
            // right-aligned ones end one gap after their own column's width.
            int x = cursor.left;
            for (int c = printStrips[std::size_t(strip)]; c < next; ++c) {
                const int step = columnWidths[std::size_t(c)] + gap;
                if (right) x += step;
                matrix_->drawCell(x, cursor.y, row, c, s, *cursor.device);
                if (!right) x += step;
            }
            const int markX = right ? x + gap : x;
            // Only a strip of one column can be too wide for the mark.
            if (next < cols && markX + markWidth <= margin) {
                FontSelection a(*cursor.device, s.fontA);
                cursor.device->textOut(markX, cursor.y + markTop, continuationMark);
            }
            cursor.advance(lineHeight);
        }
    }
    cursor.nextItem();
}
