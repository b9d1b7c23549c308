#pragma once
#include <QMdiSubWindow>

#include <memory>
#include <optional>

#include "algorithmcommand.h"
#include "documentcaption.h"
#include "editorhost.h"
#include "prompts.h"

class QMenu;
class QUndoStack;
class DocumentHost;
class protmatrix;

// The window of one document: it owns the source matrix, the result of the
// last algorithm run and that run's protocol, and shows one of three views of
// them: the editor over the source (F2), the result (F3) or the protocol (F4).
// It answers the commands that concern one document and asks before it
// closes with unsaved changes.
class SDIDecFrame : public QMdiSubWindow, public EditorHost {
    Q_OBJECT
public:
    // protocol: the one the source points to. Shows the source view at once.
    // host: the area the window sits in.
    SDIDecFrame(DocumentHost* host, std::unique_ptr<protstream> protocol,
                std::unique_ptr<MatrixObject> source, const FileNameRecord& fileData,
                bool untitled);
    ~SDIDecFrame() override;

    // The command route: whether the window (or its current view) handles a
    // command and whether it is enabled; nothing when neither handles it.
    std::optional<bool> commandState(int id) const;
    // Runs a command this window handles.
    void command(int id);

    void showSource();
    void showResult();   // nothing without a result
    void showProtocol(); // nothing without a result

    // The close question; true when the window may close. Yes saves first.
    bool mayClose();
    // Closes without asking again (the question was asked for a whole group).
    void closeAgreed();

    // The context menu with the enable states of the moment.
    QMenu* prepareContextMenu();

    const MatrixObject& source() const { return *source_; }
    const MatrixObject* result() const { return run_.result.get(); }
    const protstream& protocol() const { return *protocol_; }
    DocumentView view() const { return view_; }
    int algorithm() const { return run_.algorithm; }
    bool hasResult() const { return run_.hasResult; }
    // Modified: never saved, or changed since the last save (undoing back to
    // the saved state counts as unchanged).
    bool isModified() const;
    QUndoStack* undoStack() const { return undoStack_; }
    const FileNameRecord& fileData() const { return fileData_; }

    // EditorHost
    void setModified() override;
    void showStatus(const QString& text) override;
    void recordChange(std::unique_ptr<QUndoCommand> change) override;
    void updateCaption() override;
    void openDocument(std::unique_ptr<protstream> protocol,
                      std::unique_ptr<MatrixObject> document) override;

signals:
    // A command ran or the caption changed: enable states may differ now.
    void stateChanged();

protected:
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // Algorithm commands.
    void runAlgorithm(int number);
    void runWithOperand(int number);
    const MatrixObject* chooseOperand(int number);
    // Runs a command with everything chosen, and offers the run in long
    // fractions when it overflows.
    void runChosen(int number, int pivotRow, int pivotColumn, const MatrixObject* operand);
    // True when the user asked to repeat an overflowed run in long fractions.
    bool showOutcome(const AlgorithmCommand::Outcome& outcome);
    void showOutcomeMessage(const AlgorithmCommand::Outcome& outcome);
    void algorithmHelp();

    // File commands.
    bool resultIsMatrix() const;
    void save();
    void saveAs();
    void saveResult();
    void saveProtocol();
    bool writeMatrixFile(const QString& name, const MatrixObject& doc);
    void markSaved();
    void exportCsv();
    void exportProtocol();
    // After undo or redo: the editor and the caption show the source as it is now.
    void sourceChanged(int index);

    // Prints what the window shows: the source, the result or the protocol.
    void print();

    // New windows made from this one: a copy of from, made by make, on a
    // protocol of its own.
    using CopyMaker = std::unique_ptr<MatrixObject> (*)(const MatrixObject&, protstream*);
    SDIDecFrame* openCopy(const MatrixObject& from, CopyMaker make);
    void duplicate();
    void resultAsSource();
    void openAsFloat();
    void openAsLong();

    void setView(QWidget* view, DocumentView which);
    prompts::Answer message(const std::string& text, const QString& caption, MessageStyle style);

    DocumentHost* host_;
    // Shared with the protocol view that shows it; outlives the documents
    // that point to it.
    std::shared_ptr<protstream> protocol_;
    std::unique_ptr<MatrixObject> source_;
    DocumentRun run_;
    // What the result view shows, made on demand and shared with that view:
    // a run drops it here, and a view still showing it keeps it.
    std::shared_ptr<const protmatrix> resultRecord_;
    DocumentView view_ = DocumentView::None;
    bool untitled_;
    bool modified_; // changed outside the undo history (or never saved)
    QUndoStack* undoStack_;
    bool pushing_ = false;
    int shownIndex_ = 0; // the history position the source view shows
    bool closeAgreed_ = false;
    FileNameRecord fileData_;
    FileNameRecord protocolFileData_;
    QMenu* popupMenu_;
};
