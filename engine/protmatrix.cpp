#include "protmatrix.h"

#include "matrixobject.h"

protmatrix::protmatrix(std::unique_ptr<MatrixObject> m) : matrix_(std::move(m)) {}
protmatrix::~protmatrix() = default;

void protmatrix::write(std::ostream& os) const { matrix_->write(os); }
