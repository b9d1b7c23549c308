#pragma once
#include "matrixeditkind.h"
#include "matrixlong.h"
#include "matrixreel.h"
#include "strbruch.h"

// The grid over a document of exact fractions: whole part in font A, the
// fraction stacked in font B. Uses the copy buffer of its own kind only.
template <class Document, class T>
class MatrixEditFraction : public MatrixEditKind<Document, T, strbruch> {
public:
    MatrixEditFraction(Document* document, EditorHost* host, QWidget* parent)
        : MatrixEditKind<Document, T, strbruch>(document, host, parent) {}

    bool allowsTyping(QChar c) const override { return c == QChar(','); }

protected:
    strings::Id refusalText() const override { return strings::NotAFraction; }
};

// Fractions of 32-bit integers, and of integers of any length.
using MatrixEditReel = MatrixEditFraction<MatrixReel, reel>;
using MatrixEditLong = MatrixEditFraction<MatrixLong, longreel>;
