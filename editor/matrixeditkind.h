#pragma once
#include <QString>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "bruchfonts.h"
#include "copybuffer.h"
#include "editorhost.h"
#include "extentcache.h"
#include "getedge_dialog.h"
#include "matrixedit.h"
#include "prompts.h"
#include "protstream.h"
#include "stringtable.h"

// What the two grid kinds share, written once over the document type, its
// element type and the rendered cell (strbruch or strfloat). Every cell is
// rendered and measured once per layout and kept; painting draws the kept
// cells only.
template <class Document, class T, class Cell> class MatrixEditKind : public MatrixEdit {
public:
    MatrixEditKind(Document* document, EditorHost* host, editmain* panel, QWidget* parent)
        : MatrixEdit(document, host, panel, parent), doc_(document) {}

    using MatrixEdit::layout;

    void layout(dc& measure) override {
        const int rows = doc_->rows(), cols = doc_->cols();
        ExtentCache cached(measure);
        std::vector<Cell> cells;
        naturalWidths_.assign(std::size_t(std::max(cols, 0)), 0);
        if (rows > 0 && cols > 0) {
            const int gap = settings().addbreite;
            cells.reserve(std::size_t(rows) * std::size_t(cols));
            std::fill(naturalWidths_.begin(), naturalWidths_.end(), INT_MIN);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    cells.emplace_back(doc_->at(r, c), cached);
                    int& w = naturalWidths_[std::size_t(c)];
                    w = std::max(w, cells.back().width + gap);
                }
        }
        cells_ = std::move(cells);
        applyWidths();
    }

    // Commits typed text; a value equal to the cursor cell's old one only
    // moves on, even with a block marked.
    void enterValue(const std::string& text) override {
        if (!hasCursor()) return;
        const int r = cursorRow(), c = cursorCol();
        const T old = doc_->at(r, c);
        doc_->setCellText(r, c, text);
        const T now = doc_->at(r, c);
        if (same(old, now)) {
            // Equal but not always alike (-0 typed over 0): the cell keeps
            // its old value, so the document stays exactly as saved.
            doc_->at(r, c) = old;
            moveCursor(1, 0);
            return;
        }
        int top, left, bottom, right;
        markedBlock(top, left, bottom, right);
        doc_->fill(now, left, top, right, bottom);
        host()->setModified();
        relayoutBlock(top, left, bottom, right);
        moveCursor(1, 0);
    }

    void copyBlock() override {
        int top, left, bottom, right;
        if (!markedBlock(top, left, bottom, right)) return;
        const matrix<T>& m = *doc_;
        CopyBuffer<T>::set(std::make_unique<matrix<T>>(m, left, top, right, bottom));
        collapseMark();
        repaintGrid();
    }

    void pasteBlock() override {
        if (!hasCursor()) return;
        const matrix<T>* buffer = CopyBuffer<T>::get();
        if (!buffer) return reportEmptyBuffer();
        const int corner = getedge_dialog::askCorner(this);
        if (corner < 0) return;
        changing([&] { doc_->paste(*buffer, cursorCol(), cursorRow(), corner); });
        layout();
        repaintGrid();
    }

    void openBuffer() override {
        const matrix<T>* buffer = CopyBuffer<T>::get();
        if (!buffer) return reportEmptyBuffer();
        auto protocol = std::make_unique<protstream>();
        auto document = std::make_unique<Document>(*buffer);
        document->prot = protocol.get();
        host()->openDocument(std::move(protocol), std::move(document));
    }

    bool resizeMatrix(int rows, int cols, bool fromTop, bool fromLeft) override {
        return changing([&] { doc_->resize(rows, cols, fromLeft, fromTop); });
    }

    bool transposeMatrix() override {
        return changing([&] { doc_->transpose(); });
    }

    // The rendered cell, for tests and the benchmark.
    const Cell& cell(int row, int col) const {
        return cells_[std::size_t(row) * std::size_t(doc_->cols()) + std::size_t(col)];
    }

protected:
    void paintCell(int x, int y, int row, int col, dc& d) const override {
        const std::size_t i = std::size_t(row) * std::size_t(doc_->cols()) + std::size_t(col);
        if (i < cells_.size()) cells_[i].draw(x, y, d);
    }

    virtual int kindRowHeight() const = 0;

private:
    static bool same(const T& a, const T& b) {
        if constexpr (std::is_same_v<T, reel>)
            return a.sameFields(b); // both normalised; no arithmetic that could overflow
        else
            return a == b;
    }

    // Runs a change of the matrix and marks the document modified when its
    // shape or any of its values changed.
    template <class Change> bool changing(Change change) {
        const matrix<T> before = *doc_;
        change();
        const matrix<T>& after = *doc_;
        bool changed = before.rows() != after.rows() || before.cols() != after.cols();
        for (int r = 0; !changed && r < after.rows(); ++r)
            for (int c = 0; !changed && c < after.cols(); ++c)
                changed = !same(before.at(r, c), after.at(r, c));
        if (changed) host()->setModified();
        return changed;
    }

    // A block filled with one value: only its cells are rendered again and only
    // its columns measured again; the result equals a whole layout.
    void relayoutBlock(int top, int left, int bottom, int right) {
        const int rows = doc_->rows(), cols = doc_->cols();
        if (cells_.size() != std::size_t(rows) * std::size_t(cols) ||
            naturalWidths_.size() != std::size_t(cols))
            return layout();
        const Cell value(doc_->at(top, left), *measuringDc());
        for (int r = top; r <= bottom; ++r) {
            const std::size_t first = std::size_t(r) * std::size_t(cols) + std::size_t(left);
            std::fill_n(cells_.begin() + std::ptrdiff_t(first), right - left + 1, value);
        }
        const int gap = settings().addbreite;
        for (int c = left; c <= right; ++c) {
            int w = INT_MIN;
            for (int r = 0; r < rows; ++r) w = std::max(w, cell(r, c).width + gap);
            naturalWidths_[std::size_t(c)] = w;
        }
        applyWidths();
    }

    void applyWidths() {
        std::vector<int> widths = naturalWidths_;
        for (int& w : widths)
            if (w == INT_MIN) w = 0;
        if (settings().fixbreite && !widths.empty())
            std::fill(widths.begin(), widths.end(), *std::max_element(widths.begin(), widths.end()));
        setLayout(std::move(widths), kindRowHeight());
    }

    void reportEmptyBuffer() {
        prompts::current().message(this, QString::fromUtf8(strings::load(strings::EmptyBuffer)),
                                   QStringLiteral("Langsam..."), MessageStyle::Information);
    }

    Document* doc_;
    std::vector<Cell> cells_;
    std::vector<int> naturalWidths_; // widest cell of each column plus the gap, before fixbreite
};
