#include "new_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "dialogbuttons.h"
#include "rangefield.h"

new_dialog::new_dialog(QWidget* parent, NewMatrixTransfer& transfer)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QStringLiteral("Größe der neuen Matrix definieren"));
    rows_ = new RangeField(1, 999, 3, this);
    rows_->setObjectName("rows");
    cols_ = new RangeField(1, 999, 3, this);
    cols_->setObjectName("columns");
    floating_ = new QCheckBox(QStringLiteral("Gleitkommazahlen"), this);
    floating_->setObjectName("floating");
    long_ = new QCheckBox(QStringLiteral("Beliebig lange Bruchzahlen"), this);
    long_->setObjectName("long");
    long_->setToolTip(QStringLiteral("Exakte Brüche ohne Überlauf, auch mit sehr langen Zahlen"));
    connect(floating_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) long_->setChecked(false);
    });
    connect(long_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) floating_->setChecked(false);
    });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Zeilenzahl (y)"), this), 0, 0);
    grid->addWidget(rows_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Spaltenzahl (x)"), this), 1, 0);
    grid->addWidget(cols_, 1, 1);
    grid->addWidget(floating_, 2, 0, 1, 2);
    grid->addWidget(long_, 3, 0, 1, 2);
    grid->addLayout(
        dialogButtons(this, QStringLiteral("OK"), QStringLiteral("Abbruch"), helpContext), 4, 0, 1,
        2);
    setLayout(grid);
}

void new_dialog::accept() {
    if (!rows_->check() || !cols_->check()) return;
    transfer_.rows = rows_->text().toInt();
    transfer_.cols = cols_->text().toInt();
    transfer_.kind = floating_->isChecked() ? NumberKind::Float
                     : long_->isChecked()   ? NumberKind::Long
                                            : NumberKind::Exact;
    QDialog::accept();
}
