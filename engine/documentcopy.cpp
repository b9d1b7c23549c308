#include "documentcopy.h"

#include "matrixfloat.h"
#include "matrixreel.h"

std::unique_ptr<MatrixObject> copyDocument(const MatrixObject& doc, protstream* p) {
    if (doc.kind() == MatrixObject::Exact) {
        auto copy = std::make_unique<MatrixReel>(dynamic_cast<const MatrixReel&>(doc));
        copy->prot = p;
        return copy;
    }
    if (doc.kind() == MatrixObject::Float) {
        auto copy = std::make_unique<MatrixFloat>(dynamic_cast<const MatrixFloat&>(doc));
        copy->prot = p;
        return copy;
    }
    return nullptr;
}

std::unique_ptr<MatrixObject> emptyDocument(int kind, protstream* p) {
    if (kind == MatrixObject::Float) return std::make_unique<MatrixFloat>(0, 0, p);
    return std::make_unique<MatrixReel>(0, 0, p);
}

std::unique_ptr<MatrixObject> floatCopy(const MatrixObject& doc, protstream* p) {
    if (doc.kind() == MatrixObject::Exact)
        return std::make_unique<MatrixFloat>(
            MatrixFloat::fromExact(dynamic_cast<const MatrixReel&>(doc), p));
    return copyDocument(doc, p);
}
