#pragma once
#include <QDialog>
#include <QString>

class QCheckBox;
class RangeField;

// The transfer record of resize_dialog: row and column counts as text (at
// most 3 digits, 1 to 999) and the states of "Von Oben Verändern" and "Von
// links Verändern".
struct resize_transfer {
    QString rows, cols;
    bool fromTop = false;
    bool fromLeft = false;
};

// "Matrixgröße verändern": the new size of the matrix, and whether rows and
// columns come and go at the top and left instead of the bottom and right.
class resize_dialog : public QDialog {
    Q_OBJECT
public:
    resize_dialog(resize_transfer& transfer, QWidget* parent = nullptr);

    // Runs the dialog modally on the record; true on OK.
    static bool ask(QWidget* parent, resize_transfer& transfer);

    // Keeps the dialog open while a count is outside 1 to 999.
    void accept() override;

private:
    resize_transfer& transfer_;
    RangeField* rows_;
    RangeField* cols_;
    QCheckBox* fromTop_;
    QCheckBox* fromLeft_;
};
