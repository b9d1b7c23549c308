#pragma once
#include <QWidget>

#include <string>

class EditorHost;
class MatrixObject;
class MatrixEdit;
class enteredit;
class QCheckBox;
class QLabel;
class QPushButton;
class SourceChange;

// The source view of a document window: the control strip (position display,
// entry line, "Überschreiben", "Größe Ändern") over the grid. Routes the
// commands of the "&Bearbeiten" menu to the grid.
class editmain : public QWidget {
    Q_OBJECT
public:
    // document and host: not owned; the host is told of every change.
    editmain(MatrixObject* document, EditorHost* host, QWidget* parent = nullptr);

    // The commands the panel handles (cmd::OpenBuffer, Resize, Paste, Copy,
    // MarkRows, MarkColumns, MarkAll, Transpose).
    static bool handles(int commandId);
    void command(int commandId);

    MatrixEdit* grid() const { return grid_; }
    enteredit* entry() const { return entry_; }

    // "Z row : S col", counted from 0.
    void showPosition(int row, int col);
    // Shows a cell's text in the entry line (as yet untyped, so the first
    // character typed replaces it), selected when "Überschreiben" is checked.
    void setEntry(const std::string& text, int row, int col);
    // A note for the window's status bar.
    void showStatus(const QString& text);

    // The size dialog, then the matrix at its new size with the cursor on (0, 0).
    void resizeMatrix();
    void transpose();
    // "Aus Zwischenablage einfügen": the desktop clipboard's text at the
    // cursor, or a message saying why it cannot be read.
    void pasteFromClipboard();
    // The matrix was changed from outside the editor (undo, redo of change,
    // or anything when change is null): lay it out again, only the changed
    // cells when the step names them; the cursor stays where it is if that
    // cell still exists.
    void showChangedMatrix(const SourceChange* change = nullptr);

protected:
    bool event(QEvent* e) override;             // the refresh event: re-layout the grid
    void resizeEvent(QResizeEvent* e) override; // places the grid by its edge distances

private:
    void afterShapeChange();

    MatrixObject* document_;
    EditorHost* host_;
    MatrixEdit* grid_ = nullptr;
    QLabel* positionDisplay_ = nullptr;
    enteredit* entry_ = nullptr;
    QCheckBox* overwriteBox_ = nullptr;
    QPushButton* resizeButton_ = nullptr;
};
