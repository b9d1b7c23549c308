#pragma once
#include "matrixeditkind.h"
#include "matrixfloat.h"
#include "strfloat.h"

// The grid over a document of doubles, each drawn as one text in font A in the
// settings' floating-point format. Uses the float copy buffer only.
class MatrixEditFloat : public MatrixEditKind<MatrixFloat, double, strfloat> {
public:
    MatrixEditFloat(MatrixFloat* document, EditorHost* host, editmain* panel, QWidget* parent)
        : MatrixEditKind(document, host, panel, parent) {}

protected:
    int kindRowHeight() const override { return settings().floatRowHeight(); }
};
