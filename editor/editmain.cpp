#include "editmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "commandids.h"
#include "editorhost.h"
#include "enteredit.h"
#include "matrixchange.h"
#include "matrixeditfloat.h"
#include "matrixeditfraction.h"
#include "prompts.h"
#include "refreshevent.h"
#include "resize_dialog.h"
#include "stringtable.h"
#include "systemclipboard.h"
#include "visitkind.h"

namespace {
// The grid of each document type.
MatrixEdit* newGrid(MatrixReel& doc, EditorHost* host, QWidget* panel) {
    return new MatrixEditReel(&doc, host, panel);
}
MatrixEdit* newGrid(MatrixLong& doc, EditorHost* host, QWidget* panel) {
    return new MatrixEditLong(&doc, host, panel);
}
MatrixEdit* newGrid(MatrixFloat& doc, EditorHost* host, QWidget* panel) {
    return new MatrixEditFloat(&doc, host, panel);
}
} // namespace

editmain::editmain(MatrixObject* document, EditorHost* host, QWidget* parent)
    : QWidget(parent), document_(document), host_(host) {
    setObjectName("editmain");
    grid_ = withMatrix(*document, [&](auto& doc) { return newGrid(doc, host, this); });

    positionDisplay_ = new QLabel(this);
    positionDisplay_->setObjectName("position");
    positionDisplay_->setGeometry(10, 11, 75, 20);
    entry_ = new enteredit(grid_, this);
    entry_->setGeometry(90, 10, 100, 20);
    // The grid and the entry line report here; neither knows the panel.
    connect(grid_, &MatrixEdit::cellShown, this, &editmain::setEntry);
    connect(grid_, &MatrixEdit::positionShown, this, &editmain::showPosition);
    connect(entry_, &enteredit::statusNote, this, &editmain::showStatus);
    overwriteBox_ = new QCheckBox(QString::fromUtf8("Überschreiben"), this);
    overwriteBox_->setObjectName("overwrite");
    overwriteBox_->setGeometry(200, 10, 120, 20);
    resizeButton_ = new QPushButton(QString::fromUtf8("Größe Ändern"), this);
    resizeButton_->setObjectName("resize");
    resizeButton_->setGeometry(335, 10, 100, 20);
    resizeButton_->setAutoDefault(false);
    connect(resizeButton_, &QPushButton::clicked, this, &editmain::resizeMatrix);
    // The keyboard always belongs to the entry line; clicking the other
    // controls does not take it away.
    overwriteBox_->setFocusPolicy(Qt::NoFocus);
    resizeButton_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(entry_);

    if (document->rows() > 0 && document->cols() > 0) grid_->layout();
    grid_->setCursor(0, 0);
}

bool editmain::handles(int commandId) {
    switch (commandId) {
    case cmd::OpenBuffer:
    case cmd::Resize:
    case cmd::Paste:
    case cmd::Copy:
    case cmd::MarkRows:
    case cmd::MarkColumns:
    case cmd::MarkAll:
    case cmd::Transpose:
    case cmd::PasteClipboard: return true;
    default: return false;
    }
}

void editmain::command(int commandId) {
    switch (commandId) {
    case cmd::Copy: grid_->copyBlock(); break;
    case cmd::Paste: grid_->pasteBlock(); break;
    case cmd::MarkColumns: grid_->markWholeColumns(); break;
    case cmd::MarkRows: grid_->markWholeRows(); break;
    case cmd::MarkAll: grid_->markAll(); break;
    case cmd::Transpose: transpose(); break;
    case cmd::OpenBuffer: grid_->openBuffer(); break;
    case cmd::Resize: resizeMatrix(); break;
    case cmd::PasteClipboard: pasteFromClipboard(); break;
    default: break;
    }
}

void editmain::showPosition(int row, int col) {
    positionDisplay_->setText(QString("Z %1 : S %2").arg(row).arg(col));
}

void editmain::setEntry(const std::string& text, int row, int col) {
    showPosition(row, col);
    entry_->showCellText(QString::fromStdString(text));
    if (overwriteBox_->isChecked()) entry_->selectAll();
}

void editmain::showStatus(const QString& text) { host_->showStatus(text); }

void editmain::resizeMatrix() {
    resize_transfer t;
    t.rows = QString::number(document_->rows());
    t.cols = QString::number(document_->cols());
    if (!resize_dialog::ask(this, t)) return;
    grid_->resizeMatrix(t.rows.toInt(), t.cols.toInt(), t.fromTop, t.fromLeft);
    afterShapeChange();
}

void editmain::transpose() {
    grid_->transposeMatrix();
    afterShapeChange();
}

void editmain::pasteFromClipboard() {
    const int rows = document_->rows(), cols = document_->cols();
    std::string error;
    if (!grid_->pasteText(SystemClipboard::text(), error)) {
        prompts::current().message(this,
                                   QString::fromUtf8(strings::load(strings::ClipboardNotPasted)) +
                                       QString::fromStdString(error),
                                   QString::fromUtf8(strings::load(strings::ClipboardTitle)),
                                   MessageStyle::Information);
        return;
    }
    showChangedMatrix();
    if (rows != document_->rows() || cols != document_->cols()) host_->updateCaption();
}

void editmain::showChangedMatrix(const SourceChange* change) {
    int top, left, bottom, right;
    if (change && change->changedBlock(top, left, bottom, right))
        grid_->relayoutCells(top, left, bottom, right);
    else
        grid_->layout();
    const int row = grid_->cursorRow(), col = grid_->cursorCol();
    if (row >= 0 && col >= 0 && row < document_->rows() && col < document_->cols())
        grid_->setCursor(row, col);
    else
        grid_->setCursor(0, 0);
    grid_->viewport()->update();
}

void editmain::afterShapeChange() {
    grid_->layout();
    grid_->setCursor(0, 0);
    host_->updateCaption(); // the caption shows the size
}

bool editmain::event(QEvent* e) {
    if (e->type() == RefreshEventType) {
        // New fonts, widths or number format: every cell is measured again.
        grid_->layout();
        grid_->viewport()->update();
        return true;
    }
    return QWidget::event(e);
}

void editmain::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    grid_->setGeometry(3, 38, width() - 7, height() - 40);
}
