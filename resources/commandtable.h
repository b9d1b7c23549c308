#pragma once
#include <span>
#include <string_view>

#include "commandids.h"

// What the program knows of a command id beside its menu text (menus.*) and
// its status-bar hint (stringtable.*): one row per command of the menus, the
// tool bar and the accelerators. The actions, the document window, lineon-cli,
// the tool-bar icons and the help window all look a command up here.
namespace cmd {

struct Command {
    Id id;
    const char* codeName; // the action's objectName is "action" + codeName
    int algorithm;        // the AlgorithmCommand number it runs, 0 for none
    const char* cliName;  // lineon-cli's name of the algorithm, null for none
    const char* icon;     // the tool-bar icon ToolIcons paints, null for none
    int helpContext;      // its help topic: 0 the contents page, -1 none
    const char* helpPage; // the page of that topic, null for the contents page
    bool twoOperand;      // the algorithm asks for a second matrix
};

std::span<const Command> table();

// The row of a command id; null for an id without one.
const Command* find(int id);
// The row that runs an algorithm number; null for 0 and unknown numbers.
const Command* findAlgorithm(int number);
// The row of a lineon-cli name; null for an unknown name.
const Command* findCliName(std::string_view name);

// The algorithm number a command id runs, 0 for other commands.
int algorithmOf(int id);
// Whether the algorithm number takes a second matrix.
bool isTwoOperand(int number);

} // namespace cmd
