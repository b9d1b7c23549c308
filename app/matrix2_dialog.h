#pragma once
#include <QDialog>
#include <QStringList>

class QListWidget;

// What matrix2_dialog shows and hands back: the captions of the candidate
// windows in the order they are listed, and on OK the index of the chosen
// one (-1 when none was selected).
struct Matrix2Transfer {
    QStringList entries;
    int selected = -1;
};

// "Wählen Sie eine Matrix": the second operand of a two-operand command.
// The caller lists the entries already sorted, so that an index always
// names the window it was listed for, even when two captions are equal.
class matrix2_dialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int helpContext = 307;

    matrix2_dialog(QWidget* parent, Matrix2Transfer& transfer);
    void accept() override;

private:
    Matrix2Transfer& transfer_;
    QListWidget* list_;
};
