#include "editorhost.h"

#include <QUndoCommand>

void EditorHost::recordChange(std::unique_ptr<QUndoCommand>) {
    setModified();
}
