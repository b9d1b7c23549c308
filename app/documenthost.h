#pragma once
#include <QList>

#include <memory>

#include "matrixobject.h"
#include "protstream.h"

class QPrinter;
class QWidget;
class SDIDecFrame;
struct FileNameRecord;

// What a document window needs of the area it sits in: windows for the
// copies it makes, the other windows (operands, captions of equal files) and
// the printer. The document area implements it; the window knows no more of
// it, so the area can own and drive its windows without the two calling each
// other.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // A new window for a document; without a record it is untitled.
    // protocol: the one the document points to.
    virtual SDIDecFrame* openDocumentWindow(std::unique_ptr<protstream> protocol,
                                            std::unique_ptr<MatrixObject> document,
                                            const FileNameRecord* record) = 0;
    // Document windows in the order they were opened.
    virtual QList<SDIDecFrame*> documentWindows() const = 0;
    // The application's printer (null: printing does nothing).
    virtual QPrinter* printer() const = 0;
    // The widget that holds the windows; it stops repainting during a print job.
    virtual QWidget* documentArea() = 0;
};
