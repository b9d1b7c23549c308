#include "pivotiere_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "dialogbuttons.h"
#include "matrixobject.h"
#include "rangefield.h"

namespace {
QLineEdit* maxField(int n, const char* name, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("Max.%1").arg(n), parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setEnabled(false);
    return e;
}
} // namespace

pivotiere_dialog::pivotiere_dialog(QWidget* parent, const MatrixObject& source,
                                   PivotTransfer& transfer)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QStringLiteral("Pivotiere an der Stelle"));
    row_ = new RangeField(1, source.rows(), 3, this);
    row_->setObjectName("row");
    column_ = new RangeField(1, source.cols(), 3, this);
    column_->setObjectName("column");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Zeile"), this), 0, 0);
    grid->addWidget(row_, 0, 1);
    grid->addWidget(maxField(source.rows(), "maxRow", this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Spalte"), this), 1, 0);
    grid->addWidget(column_, 1, 1);
    grid->addWidget(maxField(source.cols(), "maxColumn", this), 1, 2);
    grid->addLayout(dialogButtons(this, QStringLiteral("OK"), QStringLiteral("Abbruch")), 2, 0, 1,
                    3);
    setLayout(grid);
}

void pivotiere_dialog::accept() {
    if (!row_->check() || !column_->check()) return;
    transfer_.row = row_->text().toInt();
    transfer_.column = column_->text().toInt();
    QDialog::accept();
}
