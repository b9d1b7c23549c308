#include "editorhost.h"

#include <QUndoCommand>

void EditorHost::recordChange(std::unique_ptr<QUndoCommand>) { setModified(); }

void EditorHost::showStatus(const QString&) {}
