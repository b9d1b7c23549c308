#include "dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "prompts.h"

QHBoxLayout* dialogButtons(QDialog* dialog, const QString& okText, const QString& cancelText,
                           int helpContext) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName("ok");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    row->addWidget(ok);
    auto* cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName("cancel");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(cancel);
    if (helpContext >= 0) {
        auto* help = new QPushButton(QStringLiteral("Hilfe"), dialog);
        help->setObjectName("help");
        QObject::connect(help, &QPushButton::clicked, dialog,
                         [dialog, helpContext] { prompts::current().help(dialog, helpContext); });
        row->addWidget(help);
    }
    return row;
}
