#pragma once
#include <memory>
#include <string>
#include <vector>

#include "protobject.h"
#include "stepnote.h"

class MatrixObject;

// A snapshot of a matrix at one step; owns its copy. Drawn as columns, each
// as wide as its widest cell (or all as wide as the widest with fixbreite),
// with a gap of addbreite before every column.
class protmatrix : public protobject {
public:
    explicit protmatrix(std::unique_ptr<MatrixObject> m);
    ~protmatrix() override;

    const MatrixObject& snapshot() const { return *matrix_; }
    MatrixObject& snapshot() { return *matrix_; }
    // What the step that led to this snapshot did; null when nothing is noted.
    const StepNote* note() const { return note_.get(); }
    void setNote(std::unique_ptr<StepNote> n) { note_ = std::move(n); }
    // A snapshot only for the eye: the text file leaves it out.
    bool inTextFile() const { return inTextFile_; }
    void setInTextFile(bool in) { inTextFile_ = in; }
    void draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
              const dcrect& clip) const override;
    void measure(ProtLayout& l, const bruchfonts& s, dc& d) const override;
    // The height at once; the column widths row by row.
    void layOut(ProtLayout& l, const bruchfonts& s, dc& d) const override;
    void measureBand(ProtLayout& l, const bruchfonts& s, dc& d, int top, int bottom) const override;
    bool measureMore(ProtLayout& l, const bruchfonts& s, dc& d, long& cells) const override;
    void write(std::ostream& os) const override;
    // Printed row by row; a row wider than the page is cut into strips of
    // whole columns, printed one below the other, each but the last ending
    // in a continuation mark.
    void paginate(DruckInfo& cursor) const override;
    void printPage(DruckInfo& cursor) const override;

private:
    // The note's lines as the view shows them with s; none in the plain view.
    std::vector<std::string> explanation(const bruchfonts& s) const;
    void measureRows(ProtLayout& l, const bruchfonts& s, dc& d, int end) const;
    std::unique_ptr<MatrixObject> matrix_;
    std::unique_ptr<StepNote> note_;
    bool inTextFile_ = true;
};
