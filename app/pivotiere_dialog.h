#pragma once
#include <QDialog>

class MatrixObject;
class RangeField;

// What pivotiere_dialog hands back on OK: the pivot position, 1-based.
struct PivotTransfer {
    int row = 0;
    int column = 0;
};

// "Pivotiere an der Stelle": row 1 to r and column 1 to c of the source,
// with "Max.r" and "Max.c" shown beside them. No help button.
class pivotiere_dialog : public QDialog {
    Q_OBJECT
public:
    pivotiere_dialog(QWidget* parent, const MatrixObject& source, PivotTransfer& transfer);
    void accept() override;

private:
    PivotTransfer& transfer_;
    RangeField* row_;
    RangeField* column_;
};
