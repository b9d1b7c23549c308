#include "matrix2_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "prompts.h"

matrix2_dialog::matrix2_dialog(QWidget* parent, Matrix2Transfer& transfer)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QStringLiteral("Wählen Sie eine Matrix"));
    list_ = new QListWidget(this);
    list_->setObjectName("list");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->addItems(transfer.entries);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);
    connect(list_, &QListWidget::itemDoubleClicked, this, &matrix2_dialog::accept);

    auto* ok = new QPushButton(QStringLiteral("Benutzen"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName("cancel");
    auto* help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName("help");
    connect(ok, &QPushButton::clicked, this, &matrix2_dialog::accept);
    connect(cancel, &QPushButton::clicked, this, &matrix2_dialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { prompts::current().help(this, helpContext); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void matrix2_dialog::accept() {
    const auto chosen = list_->selectedItems();
    transfer_.selected = chosen.isEmpty() ? -1 : list_->row(chosen.front());
    QDialog::accept();
}
