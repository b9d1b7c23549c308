#pragma once
#include <QString>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "bruchfonts.h"
#include "copybuffer.h"
#include "editorhost.h"
#include "entry.h"
#include "extentcache.h"
#include "getedge_dialog.h"
#include "matrixchange.h"
#include "matrixedit.h"
#include "prompts.h"
#include "protstream.h"
#include "stringtable.h"
#include "systemclipboard.h"
#include "tablereader.h"

// What the two grid kinds share, written once over the document type, its
// element type and the rendered cell (strbruch or strfloat). Every cell is
// rendered and measured once per layout and kept; painting draws the kept
// cells only.
template <class Document, class T, class Cell> class MatrixEditKind : public MatrixEdit {
public:
    MatrixEditKind(Document* document, EditorHost* host, QWidget* parent)
        : MatrixEdit(document, host, parent), doc_(document) {}

    using MatrixEdit::layout;

    void layout(dc& measure) override {
        const int rows = doc_->rows(), cols = doc_->cols();
        ExtentCache cached(measure);
        const bruchfonts& s = settings();
        std::vector<Cell> cells;
        naturalWidths_.assign(std::size_t(std::max(cols, 0)), 0);
        if (rows > 0 && cols > 0) {
            const int gap = s.addbreite;
            cells.reserve(std::size_t(rows) * std::size_t(cols));
            std::fill(naturalWidths_.begin(), naturalWidths_.end(), INT_MIN);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    cells.emplace_back(doc_->at(r, c), s, cached);
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
        if (entrySame(old, now)) {
            // Equal but not always alike (-0 typed over 0): the cell keeps
            // its old value, so the document stays exactly as saved.
            doc_->at(r, c) = old;
            moveCursor(1, 0);
            return;
        }
        int top, left, bottom, right;
        markedBlock(top, left, bottom, right);
        doc_->at(r, c) = old;
        const matrix<T> before(*doc_, left, top, right, bottom);
        doc_->fill(now, left, top, right, bottom);
        record(MatrixChange<T>::ofBlock(doc_, before, top, left, QStringLiteral("Eingabe")));
        relayoutBlock(top, left, bottom, right);
        moveCursor(1, 0);
    }

    QString refusal(const std::string& text) const override {
        if (Document::cellTextReadsWhole(text)) return {};
        return QString::fromUtf8(strings::load(refusalText())).arg(QString::fromStdString(text));
    }

    void copyBlock() override {
        int top, left, bottom, right;
        if (!markedBlock(top, left, bottom, right)) return;
        const matrix<T>& m = *doc_;
        auto block = std::make_unique<matrix<T>>(m, left, top, right, bottom);
        // The desktop's clipboard gets it too, for spreadsheets and text editors.
        SystemClipboard::putBlock(*block);
        CopyBuffer<T>::set(std::move(block));
        collapseMark();
        repaintGrid();
    }

    void pasteBlock() override {
        if (!hasCursor()) return;
        const matrix<T>* buffer = CopyBuffer<T>::get();
        if (!buffer) return reportEmptyBuffer();
        const std::optional<Corner> corner = getedge_dialog::askCorner(this);
        if (!corner) return;
        changing(QStringLiteral("Einfügen"),
                 [&] { doc_->paste(*buffer, cursorCol(), cursorRow(), *corner); });
        layout();
        repaintGrid();
    }

    bool pasteText(const std::string& text, std::string& error) override {
        if (!hasCursor()) return false;
        matrix<T> block;
        if (!TableReader::read(text, block, error)) return false;
        // The block's top left lands on the cursor; the matrix grows at the
        // bottom and the right where the block reaches beyond it.
        const int r = cursorRow(), c = cursorCol();
        const int rows = std::max(doc_->rows(), r + block.rows());
        const int cols = std::max(doc_->cols(), c + block.cols());
        if (rows > TableReader::maxSize || cols > TableReader::maxSize) {
            error = strings::format(strings::PasteTooLarge, int(TableReader::maxSize));
            return false;
        }
        changing(QStringLiteral("Aus Zwischenablage einfügen"), [&] {
            if (rows != doc_->rows() || cols != doc_->cols())
                doc_->resize(rows, cols, false, false);
            doc_->paste(block, c, r, Corner::TopLeft);
        });
        layout();
        repaintGrid();
        return true;
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
        return changing(QString::fromUtf8("Größe ändern"),
                        [&] { doc_->resize(rows, cols, fromLeft, fromTop); });
    }

    bool transposeMatrix() override {
        // Only a symmetric matrix stays as it is.
        bool changed = doc_->rows() != doc_->cols();
        for (int r = 0; !changed && r < doc_->rows(); ++r)
            for (int c = r + 1; !changed && c < doc_->cols(); ++c)
                changed = !entrySame(doc_->at(r, c), doc_->at(c, r));
        if (!changed) return false;
        doc_->transpose();
        record(MatrixChange<T>::transposition(doc_, QStringLiteral("Transponieren")));
        return true;
    }

    void relayoutCells(int top, int left, int bottom, int right) override {
        const int rows = doc_->rows(), cols = doc_->cols();
        if (cells_.size() != std::size_t(rows) * std::size_t(cols) ||
            naturalWidths_.size() != std::size_t(cols) || top < 0 || left < 0 || bottom >= rows ||
            right >= cols)
            return layout();
        {
            const std::unique_ptr<dc> measure = measuringDc();
            ExtentCache cached(*measure);
            for (int r = top; r <= bottom; ++r)
                for (int c = left; c <= right; ++c)
                    cells_[std::size_t(r) * std::size_t(cols) + std::size_t(c)] =
                        Cell(doc_->at(r, c), settings(), cached);
        }
        remeasureColumns(left, right);
    }

    // The rendered cell, for tests and the benchmark.
    const Cell& cell(int row, int col) const {
        return cells_[std::size_t(row) * std::size_t(doc_->cols()) + std::size_t(col)];
    }

protected:
    void paintCell(int x, int y, int row, int col, dc& d) const override {
        const std::size_t i = std::size_t(row) * std::size_t(doc_->cols()) + std::size_t(col);
        if (i < cells_.size()) cells_[i].draw(x, y, settings(), d);
    }

    // Why typed text is refused, with %1 for the text: what a number of the
    // kind looks like.
    virtual strings::Id refusalText() const = 0;

private:
    // Runs a change of the matrix and records it as a step (which marks the
    // document modified) when its shape or any of its values changed.
    template <class Change> bool changing(const QString& text, Change change) {
        const matrix<T> before = *doc_;
        change();
        MatrixChange<T>* step = MatrixChange<T>::make(doc_, before, text);
        if (step) record(step);
        return step != nullptr;
    }

    void record(MatrixChange<T>* step) {
        host()->recordChange(std::unique_ptr<QUndoCommand>(step));
    }

    // A block filled with one value: only its cells are rendered again and only
    // its columns measured again; the result equals a whole layout.
    void relayoutBlock(int top, int left, int bottom, int right) {
        const int rows = doc_->rows(), cols = doc_->cols();
        if (cells_.size() != std::size_t(rows) * std::size_t(cols) ||
            naturalWidths_.size() != std::size_t(cols))
            return layout();
        const Cell value(doc_->at(top, left), settings(), *measuringDc());
        for (int r = top; r <= bottom; ++r) {
            const std::size_t first = std::size_t(r) * std::size_t(cols) + std::size_t(left);
            std::fill_n(cells_.begin() + std::ptrdiff_t(first), right - left + 1, value);
        }
        remeasureColumns(left, right);
    }

    void remeasureColumns(int left, int right) {
        const int rows = doc_->rows();
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
            std::fill(widths.begin(), widths.end(),
                      *std::max_element(widths.begin(), widths.end()));
        setLayout(std::move(widths), doc_->rowHeight(settings()));
    }

    void reportEmptyBuffer() {
        prompts::current().message(this, QString::fromUtf8(strings::load(strings::EmptyBuffer)),
                                   QString::fromUtf8(strings::load(strings::SlowTitle)),
                                   MessageStyle::Information);
    }

    Document* doc_;
    std::vector<Cell> cells_;
    std::vector<int> naturalWidths_; // widest cell of each column plus the gap, before fixbreite
};
