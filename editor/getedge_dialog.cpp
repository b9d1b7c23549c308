#include "getedge_dialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogbuttons.h"

namespace {
constexpr int HelpContext = 305;
}

getedge_dialog::getedge_dialog(getedge_transfer& transfer, QWidget* parent)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QString::fromUtf8("Einfügen"));
    auto* group =
        new QGroupBox(QString::fromUtf8("Welche Ecke des Markiereungsfeldes meinen Sie ?"));
    auto* column = new QVBoxLayout(group);
    const char* names[4] = {"Linke Obere", "Rechte Obere", "Linke Untere", "Rechte Untere"};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QRadioButton(QString::fromUtf8(names[i]), group);
        buttons_[i]->setObjectName(QString("corner%1").arg(i));
        buttons_[i]->setChecked(transfer_.corners[i]);
        column->addWidget(buttons_[i]);
    }

    auto* main = new QVBoxLayout(this);
    main->addWidget(group);
    main->addLayout(dialogButtons(this, QString::fromUtf8("Einfügen"),
                                  QString::fromUtf8("Abbrechen"), HelpContext));
}

void getedge_dialog::accept() {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        transfer_.corners[i] = buttons_[i]->isChecked();
    QDialog::accept();
}

std::optional<Corner> getedge_dialog::askCorner(QWidget* parent) {
    getedge_transfer transfer;
    getedge_dialog dialog(transfer, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    for (std::size_t i = 0; i < transfer.corners.size(); ++i)
        if (transfer.corners[i]) return Corner(i);
    return {};
}
