#include "enteredit.h"

#include <QKeyEvent>
#include <QPalette>

#include "matrixedit.h"

enteredit::enteredit(MatrixEdit* grid, QWidget* parent) : QLineEdit(parent), grid_(grid) {
    setObjectName("entry");
    connect(this, &QLineEdit::textEdited, this, [this] { setRefused(false); });
}

void enteredit::showCellText(const QString& text) {
    setText(text); // also clears the typed state
    replaceOnTyping_ = true;
    setRefused(false);
}

void enteredit::setRefused(bool refused) {
    if (refused == refused_) return;
    refused_ = refused;
    // Red on pale red, in the palette's own roles so every style shows it.
    QPalette p = palette();
    if (refused) {
        p.setColor(QPalette::Base, QColor(255, 220, 220));
        p.setColor(QPalette::Text, QColor(160, 0, 0));
    } else {
        p = QPalette();
        emit statusNote(QString()); // the note no longer applies
    }
    setPalette(p);
}

void enteredit::commit() {
    const std::string typed = text().toStdString();
    const QString why = grid_->refusal(typed);
    if (why.isEmpty()) return grid_->enterValue(typed);
    // Kept for mending: the caret stays where it is and typing edits the text.
    setRefused(true);
    replaceOnTyping_ = false;
    emit statusNote(why);
}

void enteredit::mousePressEvent(QMouseEvent* e) {
    replaceOnTyping_ = false; // a click into the text means changing it
    QLineEdit::mousePressEvent(e);
}

bool enteredit::allows(const MatrixEdit& grid, QChar c) {
    if (c == QChar('\b') || (c >= QChar('0') && c <= QChar('9')) || c == QChar('-')) return true;
    return grid.allowsTyping(c);
}

bool enteredit::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Tab steps through the matrix instead of moving the focus; the text
        // typed so far is not committed.
        if (k->key() == Qt::Key_Backtab ||
            (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier))) {
            grid_->moveCursor(-1, 0);
            return true;
        }
        if (k->key() == Qt::Key_Tab) {
            grid_->moveCursor(1, 0);
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
    MatrixEdit* grid = grid_;
    switch (e->key()) {
    case Qt::Key_PageUp: grid->moveCursor(0, -1); return;
    case Qt::Key_PageDown: grid->moveCursor(0, 1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isModified())
            commit();
        else
            grid->moveCursor(1, 0);
        return;
    case Qt::Key_Delete: QLineEdit::keyPressEvent(e); return;
    default: break;
    }
    // Keys without a character (arrows, Home, End, Shift) edit as usual.
    const QString typed = e->text();
    if (typed.isEmpty()) {
        // The caret moved: what follows edits the text. A modifier pressed
        // on its own (Shift for "E") moves nothing.
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End: replaceOnTyping_ = false; break;
        default: break;
        }
        return QLineEdit::keyPressEvent(e);
    }
    for (QChar c : typed)
        if (!allows(*grid, c)) return; // dropped without a word
    // The limit holds for typing only: a longer cell text is still shown whole.
    const bool grows = typed != QString(QChar('\b'));
    if (replaceOnTyping_ && grows) selectAll();
    replaceOnTyping_ = false;
    if (grows && text().size() - selectedText().size() + typed.size() > Limit) return;
    QLineEdit::keyPressEvent(e);
}
