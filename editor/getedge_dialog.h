#pragma once
#include <QDialog>

#include <array>
#include <optional>

#include "matrix.h"

class QRadioButton;

// The transfer record of getedge_dialog: the check states of "Linke Obere",
// "Rechte Obere", "Linke Untere", "Rechte Untere", in that order.
struct getedge_transfer {
    std::array<bool, 4> corners{true, false, false, false};
};

// "Einfügen": asks which corner of the copied block goes onto the cursor cell.
class getedge_dialog : public QDialog {
    Q_OBJECT
public:
    getedge_dialog(getedge_transfer& transfer, QWidget* parent = nullptr);

    // Runs the dialog modally; the chosen corner, none when cancelled.
    static std::optional<Corner> askCorner(QWidget* parent);

    void accept() override; // reads the buttons back into the record

private:
    getedge_transfer& transfer_;
    std::array<QRadioButton*, 4> buttons_{};
};
