#pragma once
#include "matrixeditkind.h"
#include "matrixreel.h"
#include "strbruch.h"

// The grid over a document of exact fractions: whole part in font A, the
// fraction stacked in font B. Uses the fraction copy buffer only.
class MatrixEditReel : public MatrixEditKind<MatrixReel, reel, strbruch> {
public:
    MatrixEditReel(MatrixReel* document, EditorHost* host, editmain* panel, QWidget* parent)
        : MatrixEditKind(document, host, panel, parent) {}

protected:
    int kindRowHeight() const override { return settings().fractionRowHeight(); }
};
