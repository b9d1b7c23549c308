#pragma once
#include <memory>

#include "matrixobject.h"

class protstream;

// A copy of a document of the same number type, writing to the given protocol;
// null for an unknown kind.
std::unique_ptr<MatrixObject> copyDocument(const MatrixObject& doc, protstream* p);

// An empty 0 x 0 document of the given kind.
std::unique_ptr<MatrixObject> emptyDocument(int kind, protstream* p);

// The floating-point copy of an exact document (a copy for a floating-point one).
std::unique_ptr<MatrixObject> floatCopy(const MatrixObject& doc, protstream* p);
