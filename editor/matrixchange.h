#pragma once
#include <QUndoCommand>

#include "entry.h"
#include "matrix.h"

// A step in a source matrix's undo history, whatever its number type.
class SourceChange : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    // The cells the step changes, inclusive, when it keeps the shape; false
    // when the whole matrix must be shown anew.
    virtual bool changedBlock(int& top, int& left, int& bottom, int& right) const = 0;
};

// One change of a source matrix, for undo and redo: the matrix before and
// after. A change that keeps the shape keeps only the rectangle of cells that
// differ; one that changes the shape keeps both whole matrices. The change has
// already been made when the command is built, so its first redo does nothing.
template <class T> class MatrixChange : public SourceChange {
public:
    // target: the document's matrix, which outlives the command (both belong
    // to the document window). Null when before and after are the same.
    static MatrixChange* make(matrix<T>* target, const matrix<T>& before, const QString& text) {
        const matrix<T>& after = *target;
        if (before.rows() != after.rows() || before.cols() != after.cols())
            return new MatrixChange(target, before, after, -1, -1, text);
        int top = after.rows(), left = after.cols(), bottom = -1, right = -1;
        for (int r = 0; r < after.rows(); ++r)
            for (int c = 0; c < after.cols(); ++c)
                if (!entrySame(before.at(r, c), after.at(r, c))) {
                    top = std::min(top, r);
                    bottom = std::max(bottom, r);
                    left = std::min(left, c);
                    right = std::max(right, c);
                }
        if (bottom < 0) return nullptr;
        return new MatrixChange(target, matrix<T>(before, left, top, right, bottom),
                                matrix<T>(after, left, top, right, bottom), top, left, text);
    }

    // A change inside the block of beforeBlock's size at (top, left), which
    // held beforeBlock; the target holds the new values already.
    static MatrixChange* ofBlock(matrix<T>* target, const matrix<T>& beforeBlock, int top, int left,
                                 const QString& text) {
        const matrix<T> after(*target, left, top, left + beforeBlock.cols() - 1,
                              top + beforeBlock.rows() - 1);
        return new MatrixChange(target, beforeBlock, after, top, left, text);
    }

    // A transposition, its own inverse: kept without copies, so that even the
    // largest matrices cost nothing in the history.
    static MatrixChange* transposition(matrix<T>* target, const QString& text) {
        return new MatrixChange(target, matrix<T>(), matrix<T>(), transposed, transposed, text);
    }

    bool changedBlock(int& top, int& left, int& bottom, int& right) const override {
        if (top_ < 0) return false;
        top = top_;
        left = left_;
        bottom = top_ + before_.rows() - 1;
        right = left_ + before_.cols() - 1;
        return true;
    }

    void undo() override { apply(before_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        apply(after_);
    }

private:
    MatrixChange(matrix<T>* target, matrix<T> before, matrix<T> after, int top, int left,
                 const QString& text)
        : SourceChange(text), target_(target), before_(std::move(before)), after_(std::move(after)),
          top_(top), left_(left) {
        before_.prot = after_.prot = nullptr; // copies only; they never run an algorithm
    }

    void apply(const matrix<T>& state) {
        if (top_ == transposed)
            target_->transpose();
        else if (top_ < 0)
            *target_ = state; // keeps the document's own protocol
        else
            target_->paste(state, left_, top_, Corner::TopLeft);
    }

    matrix<T>* target_;
    matrix<T> before_, after_;
    static constexpr int transposed = -2;
    int top_, left_; // -1: whole matrices; transposed: no copies
    bool first_ = true;
};
