#pragma once
#include "matrixeditkind.h"
#include "matrixfloat.h"
#include "strfloat.h"

// The grid over a document of doubles, each drawn as one text in font A in the
// settings' floating-point format. Uses the float copy buffer only.
class MatrixEditFloat : public MatrixEditKind<MatrixFloat, double, strfloat> {
public:
    MatrixEditFloat(MatrixFloat* document, EditorHost* host, QWidget* parent)
        : MatrixEditKind(document, host, parent) {}

    bool allowsTyping(QChar c) const override {
        return c == QChar('.') || c == QChar('E') || c == QChar('e');
    }

protected:
    strings::Id refusalText() const override { return strings::NotAFloat; }
};
