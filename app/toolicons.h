#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted at start-up: one tool-bar icon per
// command of the tool bar, the main window's icon (1001), the document
// windows' icon (1002) and the picture of the about box (bitmap 1).
class ToolIcons {
public:
    // The icon of a tool-bar command; a null icon for other ids.
    static QIcon command(int id);
    static QIcon application();
    static QIcon document();
    static QPixmap aboutPicture();
};
