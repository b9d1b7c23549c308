#pragma once
#include "matrixeditkind.h"
#include "matrixreel.h"
#include "strbruch.h"

// The grid over a document of exact fractions: whole part in font A, the
// fraction stacked in font B. Uses the fraction copy buffer only.
class MatrixEditReel : public MatrixEditKind<MatrixReel, reel, strbruch> {
public:
    MatrixEditReel(MatrixReel* document, EditorHost* host, QWidget* parent)
        : MatrixEditKind(document, host, parent) {}

    bool allowsTyping(QChar c) const override { return c == QChar(','); }

protected:
    strings::Id refusalText() const override { return strings::NotAFraction; }
};
