#pragma once
#include <memory>
#include <vector>

#include "protobject.h"

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
    void draw(int x, int y, const bruchfonts& s, dc& d, const dcrect& clip) const override;
    void measure(const bruchfonts& s, dc& d) override;
    // The height at once; the column widths row by row.
    void layOut(const bruchfonts& s, dc& d) override;
    void measureBand(const bruchfonts& s, dc& d, int top, int bottom) override;
    bool measureMore(const bruchfonts& s, dc& d, long& cells) override;
    bool measured() const { return measuredRows_ < 0; }
    void write(std::ostream& os) const override;
    // Printed row by row; a row wider than the page is cut into strips of
    // whole columns, printed one below the other, each but the last ending
    // in a continuation mark.
    void paginate(DruckInfo& cursor) override;
    void printPage(DruckInfo& cursor) const override;

    std::vector<std::int32_t> columnWidths; // final once measured()
    // The first column of every strip, set by paginate.
    std::vector<int> printStrips;

private:
    void measureRows(const bruchfonts& s, dc& d, int end);
    std::unique_ptr<MatrixObject> matrix_;
    int measuredRows_ = 0; // rows measured so far, -1 once all are
    int markWidth_ = 0;    // of the continuation mark, set by paginate
};
