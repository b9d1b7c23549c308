#pragma once
#include <functional>
#include <memory>

#include "matrixobject.h"
#include "protstream.h"

// How the editor opens a document in a window of its own ("&Puffer Öffnen"):
// the application installs the opener at start; without one nothing opens.
using DocumentOpener =
    std::function<void(std::unique_ptr<protstream>, std::unique_ptr<MatrixObject>)>;

void setDocumentOpener(DocumentOpener opener);
// Opens the document (whose elements point to the protocol) if an opener is installed.
void openDocument(std::unique_ptr<protstream> protocol, std::unique_ptr<MatrixObject> document);
