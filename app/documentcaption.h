#pragma once
#include <QString>

// Which view a document window shows; the numbers are the window's view codes.
enum class DocumentView { Result = 2, Protocol = 3, Source = 4, None = 5 };

// The caption of a document window: the file name without folder and without
// everything from its first dot, the size of the source, the view, and in the
// result and protocol views the name of the algorithm last started (when one was).
// "noname0: (3 x 4)  : Ausgangsmatrix", "a: (3 x 4)  : Ergebniss - Gauss".
QString documentCaption(const QString& fileName, int rows, int cols, DocumentView view,
                        int algorithm);
