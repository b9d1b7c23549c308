#include "resize_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "dialogbuttons.h"
#include "rangefield.h"

namespace {
constexpr int HelpContext = 304;
constexpr long MaxSize = 999;
} // namespace

resize_dialog::resize_dialog(resize_transfer& transfer, QWidget* parent)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QString::fromUtf8("Matrixgröße verändern"));
    rows_ = new RangeField(1, MaxSize, 3);
    cols_ = new RangeField(1, MaxSize, 3);
    rows_->setObjectName("rows");
    cols_->setObjectName("cols");
    rows_->setText(transfer.rows);
    cols_->setText(transfer.cols);
    fromTop_ = new QCheckBox(QString::fromUtf8("Von Oben Verändern"));
    fromLeft_ = new QCheckBox(QString::fromUtf8("Von links Verändern"));
    fromTop_->setObjectName("fromTop");
    fromLeft_->setObjectName("fromLeft");
    fromTop_->setChecked(transfer.fromTop);
    fromLeft_->setChecked(transfer.fromLeft);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("Zeilenzahl"), rows_);
    form->addRow(QString::fromUtf8("Spaltenzahl"), cols_);

    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addWidget(fromTop_);
    main->addWidget(fromLeft_);
    main->addLayout(
        dialogButtons(this, QString::fromUtf8("Ok"), QString::fromUtf8("Abbrechen"), HelpContext));
}

void resize_dialog::accept() {
    if (!rows_->check() || !cols_->check()) return;
    transfer_.rows = rows_->text();
    transfer_.cols = cols_->text();
    transfer_.fromTop = fromTop_->isChecked();
    transfer_.fromLeft = fromLeft_->isChecked();
    QDialog::accept();
}

bool resize_dialog::ask(QWidget* parent, resize_transfer& transfer) {
    resize_dialog dialog(transfer, parent);
    return dialog.exec() == QDialog::Accepted;
}
