// The command table against what a person meets: every command of the menus,
// the tool bar and the accelerators has its row, every tool-bar button its
// icon, and lineon-cli's usage text lists the algorithm names it takes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "clirunner.h"
#include "commandtable.h"
#include "menus.h"

TEST(CommandTable, EveryCommandMetHasItsRow) {
    std::vector<int> ids;
    for (const auto& menu : {menus::mainMenu(), menus::documentMenu()})
        for (const menus::Popup& p : menu)
            for (const menus::Entry& e : p.entries)
                if (e.kind == menus::Entry::Command) ids.push_back(e.id);
    for (const menus::Entry& e : menus::contextMenu())
        if (e.kind == menus::Entry::Command) ids.push_back(e.id);
    for (const menus::Accelerator& a : menus::accelerators()) ids.push_back(a.id);
    for (int id : ids) EXPECT_NE(cmd::find(id), nullptr) << id;

    int icons = 0;
    for (int id : menus::toolBar())
        if (id != 0) {
            ++icons;
            ASSERT_NE(cmd::find(id), nullptr) << id;
            EXPECT_NE(cmd::find(id)->icon, nullptr) << id;
        }
    std::vector<std::string> names;
    for (const cmd::Command& c : cmd::table()) {
        if (c.icon) --icons;
        if (c.cliName) {
            names.push_back(c.cliName);
            EXPECT_EQ(cmd::findCliName(c.cliName), &c);
            EXPECT_EQ(cmd::findAlgorithm(c.algorithm), &c);
        }
    }
    EXPECT_EQ(icons, 0); // no icon painted for a command off the tool bar

    const std::string usage = CliRunner::usage();
    const auto from = usage.find("ALGORITHMUS:") + 12;
    std::istringstream listed(usage.substr(from, usage.find("\n\n", from) - from));
    std::vector<std::string> words;
    for (std::string w; listed >> w;)
        if (w != "|") words.push_back(w);
    EXPECT_EQ(words, names);
}
