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

    bool allowsTyping(QChar c) const override { return c == QChar(','); }

protected:
    const char* refusalText() const override {
        return "„%1“ wird nicht übernommen: keine Bruchzahl. So geht es: 3, -1,2 für -1/2, 2,1,3 "
               "für 2 1/3; Zahlen bis 2147483647, kein Nenner 0.";
    }
};
