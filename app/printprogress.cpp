#include "printprogress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>

PrintProgress::PrintProgress(QWidget* parent, QWidget* documents)
    : parent_(parent), documents_(documents) {}

PrintProgress::~PrintProgress() {
    if (dialog_ && documents_) documents_->setUpdatesEnabled(true);
}

bool PrintProgress::printed(int done, int total) {
    if (total <= fewPages) return true;
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(parent_);
        dialog_->setObjectName(QStringLiteral("printProgress"));
        dialog_->setWindowTitle(QStringLiteral("Drucken"));
        dialog_->setCancelButtonText(QStringLiteral("Abbrechen"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->setRange(0, total);
        if (documents_) documents_->setUpdatesEnabled(false);
        dialog_->show();
    }
    const int next = done < total ? done + 1 : total;
    dialog_->setLabelText(QStringLiteral("Drucke Seite %1 von %2").arg(next).arg(total));
    dialog_->setValue(done);
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}
