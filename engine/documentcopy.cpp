#include "documentcopy.h"

#include "visitkind.h"

std::unique_ptr<MatrixObject> copyDocument(const MatrixObject& doc, protstream* p) {
    return withMatrix(doc, [p]<class Doc>(const Doc& m) -> std::unique_ptr<MatrixObject> {
        auto copy = std::make_unique<Doc>(m);
        copy->prot = p;
        return copy;
    });
}

std::unique_ptr<MatrixObject> newDocument(NumberKind kind, protstream* p, int rows, int cols) {
    using Made = std::unique_ptr<MatrixObject>;
    return visitKind(kind, [&]<class Doc>(std::type_identity<Doc>) -> Made {
        return std::make_unique<Doc>(rows, cols, p);
    });
}

std::unique_ptr<MatrixObject> floatCopy(const MatrixObject& doc, protstream* p) {
    return withMatrix(doc, [p](const auto& m) -> std::unique_ptr<MatrixObject> {
        return std::make_unique<MatrixFloat>(MatrixFloat::converted(m, p));
    });
}

std::unique_ptr<MatrixObject> longCopy(const MatrixObject& doc, protstream* p) {
    return withMatrix(doc, [p](const auto& m) -> std::unique_ptr<MatrixObject> {
        return std::make_unique<MatrixLong>(MatrixLong::converted(m, p));
    });
}
