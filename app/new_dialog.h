#pragma once
#include <QDialog>

class QCheckBox;
class RangeField;

// What new_dialog hands back on OK: the size and number type of a new matrix.
struct NewMatrixTransfer {
    int rows = 0;
    int cols = 0;
    bool floating = false; // "Gleitkommazahlen" ticked
};

// "Größe der neuen Matrix definieren": rows and columns, 1 to 999 each, and
// whether the matrix holds floating-point numbers. Both fields start empty.
// The transfer record is written only when the dialog ends with OK.
class new_dialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int helpContext = 306;

    new_dialog(QWidget* parent, NewMatrixTransfer& transfer);
    void accept() override;

private:
    NewMatrixTransfer& transfer_;
    RangeField* rows_;
    RangeField* cols_;
    QCheckBox* floating_;
};
