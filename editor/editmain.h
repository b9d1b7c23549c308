#pragma once
#include <QWidget>

class EditorHost;
class MatrixObject;
class MatrixEdit;
class enteredit;
class QCheckBox;
class QLabel;
class QPushButton;

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

protected:
    bool event(QEvent* e) override;         // the refresh event: re-layout the grid
    void resizeEvent(QResizeEvent* e) override; // places the grid by its edge distances

private:
    MatrixObject* document_;
    EditorHost* host_;
    MatrixEdit* grid_ = nullptr;
    QLabel* positionDisplay_ = nullptr;
    enteredit* entry_ = nullptr;
    QCheckBox* overwriteBox_ = nullptr;
    QPushButton* resizeButton_ = nullptr;
};
