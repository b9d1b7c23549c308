#pragma once
#include <QLineEdit>

class editmain;

// The entry line of the editor panel, where the cursor cell's value is typed.
// Enter commits (or only moves on when nothing was typed), Tab and Shift+Tab
// step right and left, Page Up and Page Down step up and down. Characters that
// cannot belong to a number of the document's kind are dropped.
class enteredit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int Limit = 20; // characters the user may type

    explicit enteredit(editmain* panel);

    // Whether a typed character reaches the line for a document kind
    // (1 fractions, 0 doubles). Backspace always does.
    static bool allows(int kind, QChar c);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    editmain* panel_;
};
