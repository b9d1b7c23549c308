#pragma once
#include <span>

// The menus, the tool bar and the accelerators of the program, as data: the
// application builds its actions, menu bar, context menu and tool bar from
// these tables. Plain C++ so that tests can read them without a display.
namespace menus {

struct Entry {
    enum Kind { Command, Separator, SubmenuBegin, SubmenuEnd };
    Kind kind = Command;
    int id = 0;            // the command id (Command only)
    const char* text = ""; // menu text with its & mnemonic (Command, SubmenuBegin)
};

struct Popup {
    const char* text;
    std::span<const Entry> entries;
};

// The main window's menu (resource 121): "&Datei", "&Optionen", "&Fenster",
// "&Hilfe". The first fileGroupPopups stand before the document menu.
std::span<const Popup> mainMenu();
inline constexpr int fileGroupPopups = 1;

// The document window's menu (resource 120): "&Bearbeiten", "&Ansicht",
// "&Algorithmen", shown between the file group and the rest while a document
// window is active.
std::span<const Popup> documentMenu();

// The document window's context menu, with texts of its own.
std::span<const Entry> contextMenu();

// Tool-bar buttons left to right; 0 stands for a separator.
std::span<const int> toolBar();

// Accelerator table 121: key sequences as Qt writes them ("F1", "Ctrl+C").
struct Accelerator {
    const char* keys;
    int id;
};
std::span<const Accelerator> accelerators();

// The menu text of a command (its first entry in the main or document menu);
// empty for an unknown id.
const char* commandText(int id);

} // namespace menus
