#pragma once
#include <memory>

#include "matrixobject.h"

class protstream;

// A copy of a document of the same number type, writing to the given protocol.
std::unique_ptr<MatrixObject> copyDocument(const MatrixObject& doc, protstream* p);

// A rows x cols document of zeros of the given kind; 0 x 0 is the empty result.
std::unique_ptr<MatrixObject> newDocument(NumberKind kind, protstream* p, int rows = 0,
                                          int cols = 0);

// The floating-point copy of a document of any kind.
std::unique_ptr<MatrixObject> floatCopy(const MatrixObject& doc, protstream* p);
// The long-fraction copy of a document of any kind (see MatrixLong::converted).
std::unique_ptr<MatrixObject> longCopy(const MatrixObject& doc, protstream* p);
