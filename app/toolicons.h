#pragma once
#include <QIcon>

// The program's own pictures, painted at start-up: one tool-bar icon per
// command of the tool bar, the main window's icon (1001) and the document
// windows' icon (1002).
class ToolIcons {
public:
    // The icon of a tool-bar command; a null icon for other ids.
    static QIcon command(int id);
    static QIcon application();
    static QIcon document();
};
