#include "enteredit.h"

#include <QKeyEvent>

#include "editmain.h"
#include "matrixedit.h"
#include "matrixobject.h"

enteredit::enteredit(editmain* panel) : QLineEdit(panel), panel_(panel) {
    setObjectName("entry");
}

bool enteredit::allows(int kind, QChar c) {
    if (c == QChar('\b') || (c >= QChar('0') && c <= QChar('9')) || c == QChar('-')) return true;
    if (kind == MatrixObject::Exact) return c == QChar(',');
    return c == QChar('.') || c == QChar('E') || c == QChar('e');
}

bool enteredit::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Tab steps through the matrix instead of moving the focus; the text
        // typed so far is not committed.
        if (k->key() == Qt::Key_Backtab ||
            (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier))) {
            panel_->grid()->moveCursor(-1, 0);
            return true;
        }
        if (k->key() == Qt::Key_Tab) {
            panel_->grid()->moveCursor(1, 0);
            return true;
        }
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // Ctrl+C and Ctrl+V belong to the window (the grid's copy and paste),
        // not to the line's own clipboard, which typed control characters
        // never reach.
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & Qt::ControlModifier) && !k->text().isEmpty() &&
            k->text().at(0).unicode() < 32) {
            e->ignore();
            return false;
        }
    }
    return QLineEdit::event(e);
}

void enteredit::keyPressEvent(QKeyEvent* e) {
    MatrixEdit* grid = panel_->grid();
    switch (e->key()) {
    case Qt::Key_PageUp: grid->moveCursor(0, -1); return;
    case Qt::Key_PageDown: grid->moveCursor(0, 1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isModified())
            grid->enterValue(text().toStdString());
        else
            grid->moveCursor(1, 0);
        return;
    case Qt::Key_Delete: QLineEdit::keyPressEvent(e); return;
    default: break;
    }
    // Keys without a character (arrows, Home, End, Shift) edit as usual.
    const QString typed = e->text();
    if (typed.isEmpty()) return QLineEdit::keyPressEvent(e);
    const int kind = grid->document()->kind();
    for (QChar c : typed)
        if (!allows(kind, c)) return; // dropped without a word
    // The limit holds for typing only: a longer cell text is still shown whole.
    const bool grows = typed != QString(QChar('\b'));
    if (grows && text().size() - selectedText().size() + typed.size() > Limit) return;
    QLineEdit::keyPressEvent(e);
}
