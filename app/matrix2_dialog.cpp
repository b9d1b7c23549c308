#include "matrix2_dialog.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "dialogbuttons.h"

matrix2_dialog::matrix2_dialog(QWidget* parent, Matrix2Transfer& transfer)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QStringLiteral("Wählen Sie eine Matrix"));
    list_ = new QListWidget(this);
    list_->setObjectName("list");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->addItems(transfer.entries);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);
    connect(list_, &QListWidget::itemDoubleClicked, this, &matrix2_dialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(
        dialogButtons(this, QStringLiteral("Benutzen"), QStringLiteral("Abbrechen"), helpContext));
}

void matrix2_dialog::accept() {
    const auto chosen = list_->selectedItems();
    transfer_.selected = chosen.isEmpty() ? -1 : list_->row(chosen.front());
    QDialog::accept();
}
