#pragma once
#include <memory>

#include "matrixobject.h"
#include "protstream.h"

class QString;
class QUndoCommand;

// What the editor needs of the document window it sits in. The application's
// document window implements it; tests use a recording one.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The source changed: the window must ask before closing without saving.
    virtual void setModified() = 0;
    // The source changed by this step, already made: a window with undo keeps
    // it; without, the document is only marked modified.
    virtual void recordChange(std::unique_ptr<QUndoCommand> change);
    // A short note for the status bar (why a typed value was not taken).
    virtual void showStatus(const QString& text);
    // The source's size changed (resize, transpose): the caption shows it.
    virtual void updateCaption() = 0;
    // Opens a document in a window of its own ("&Puffer Öffnen"); the
    // document's elements point to the protocol.
    virtual void openDocument(std::unique_ptr<protstream> protocol,
                              std::unique_ptr<MatrixObject> document) = 0;
};
