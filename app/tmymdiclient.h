#pragma once
#include <QMdiArea>

#include <memory>
#include <optional>

#include "documenthost.h"
#include "matrixfile.h"
#include "prompts.h"

class QPrinter;
class SDIDecFrame;
class SettingsStore;

// The area of the main window that holds the document windows. Every
// document window comes into being through openDocumentWindow. Handles the
// commands that need no document: new matrix, open, the options, help and the
// window arrangement.
class TMyMDIClient : public QMdiArea, public DocumentHost {
    Q_OBJECT
public:
    explicit TMyMDIClient(QWidget* parent = nullptr);

    // Opens a window for a document; without a record the document is
    // untitled and named "noname%d.mat" with the next number of this run.
    // protocol: the one the document points to.
    SDIDecFrame* openDocumentWindow(std::unique_ptr<protstream> protocol,
                                    std::unique_ptr<MatrixObject> document,
                                    const FileNameRecord* record = nullptr) override;

    // Opens each readable file in its own window, last to first, so that the
    // first one ends up active. Unreadable files and names of 260 or more
    // characters are skipped without a message.
    void openCommandLineFiles(const QStringList& files);

    // Document windows in the order they were opened; the active one.
    QList<SDIDecFrame*> documentWindows() const override;
    SDIDecFrame* activeDocument() const;

    // Commands of the client: handled here when the result has a value.
    std::optional<bool> commandState(int id) const;
    void command(int id);

    // Asks every document window its close question, in the order they were
    // opened; the first refusal stops and every window stays open. When all
    // agree, all close. True when all closed.
    bool closeAll();

    // Makes every view measure again and repaint (after the display settings changed).
    void refreshViews();

    // The application's printer (not owned; null: printing does nothing).
    void setPrinter(QPrinter* printer) { printer_ = printer; }
    QPrinter* printer() const override { return printer_; }
    QWidget* documentArea() override { return this; }
    // Where "Speichern" in the options dialog writes (not owned; may be null).
    void setSettingsStore(SettingsStore* store) { store_ = store; }

    int untitledCount() const { return untitledCount_; }

signals:
    // A document window changed its state or caption.
    void documentStateChanged();

private:
    void newMatrix();
    void open();
    // A new untitled window for a table from the desktop clipboard or a CSV
    // file; a message says why when there is none.
    void openClipboard();
    void importCsv();
    void arrangeIcons();

    int untitledCount_ = 0;
    QPrinter* printer_ = nullptr;
    SettingsStore* store_ = nullptr;
};
