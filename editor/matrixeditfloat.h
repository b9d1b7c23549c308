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

    bool allowsTyping(QChar c) const override {
        return c == QChar('.') || c == QChar('E') || c == QChar('e');
    }

protected:
    const char* refusalText() const override {
        return "„%1“ wird nicht übernommen: keine Gleitkommazahl. So geht es: 3, -0.5, 2.5e-3.";
    }
};
