#pragma once
#include <QLineEdit>

class MatrixEdit;

// The entry line of the editor panel, where the cursor cell's value is typed.
// Enter commits (or only moves on when nothing was typed), Tab and Shift+Tab
// step right and left, Page Up and Page Down step up and down. Characters that
// cannot belong to a number of the document's kind are dropped.
//
// A cell's text shown in the line is replaced by the first character typed,
// as in a spreadsheet, unless the user first moves the caret (arrows, Home,
// End) or clicks into the line to change the text. A text that does not read
// wholly as a number is not committed: it stays, marked, and the status bar
// says why.
class enteredit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int Limit = 20; // characters the user may type

    // grid: the grid whose cursor cell the line edits; not owned.
    enteredit(MatrixEdit* grid, QWidget* parent);

    // Whether a typed character reaches the line for the grid's kind.
    // Backspace always does.
    static bool allows(const MatrixEdit& grid, QChar c);

    // Shows a cell's text, untyped; the next character typed replaces it.
    void showCellText(const QString& text);
    // Whether the line shows a text that was refused at Enter.
    bool refused() const { return refused_; }

signals:
    // A note for the status bar (why a text is refused; empty: the note is over).
    void statusNote(const QString& text);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void commit();
    void setRefused(bool refused);

    MatrixEdit* grid_;
    bool replaceOnTyping_ = false;
    bool refused_ = false;
};
