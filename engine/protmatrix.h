#pragma once
#include <memory>
#include <vector>

#include "protobject.h"

class MatrixObject;

// A snapshot of a matrix at one step; owns its copy.
class protmatrix : public protobject {
public:
    explicit protmatrix(std::unique_ptr<MatrixObject> m);
    ~protmatrix() override;

    const MatrixObject& snapshot() const { return *matrix_; }
    void write(std::ostream& os) const override;

    std::vector<std::int32_t> columnWidths; // empty until measured

private:
    std::unique_ptr<MatrixObject> matrix_;
};
