#pragma once
#include <QDialog>

#include "numberkind.h"

class QCheckBox;
class RangeField;

// What new_dialog hands back on OK: the size and number type of a new matrix.
struct NewMatrixTransfer {
    int rows = 0;
    int cols = 0;
    // "Gleitkommazahlen" or "Beliebig lange Bruchzahlen" ticked, else
    // fractions of 32-bit integers.
    NumberKind kind = NumberKind::Exact;
};

// "Größe der neuen Matrix definieren": rows and columns, 1 to 999 each, and
// the number kind: two boxes, of which at most one is ticked (ticking one
// clears the other). Both fields start empty.
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
    QCheckBox* long_;
};
