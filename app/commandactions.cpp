#include "commandactions.h"

#include <QAction>

#include "commandtable.h"
#include "menus.h"
#include "stringtable.h"
#include "toolicons.h"

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    auto add = [this](int id) {
        if (actions_.count(id)) return;
        auto* a = new QAction(QString::fromUtf8(menus::commandText(id)), this);
        const cmd::Command* c = cmd::find(id);
        a->setObjectName(QStringLiteral("action") + QLatin1String(c ? c->codeName : "Unknown"));
        a->setStatusTip(QString::fromUtf8(strings::load(id)));
        a->setIcon(ToolIcons::command(id));
        // Menus show the texts as they are; the accelerators live in their own table.
        a->setIconVisibleInMenu(false);
        a->setData(id);
        connect(a, &QAction::triggered, this, [this, id] { emit triggered(id); });
        actions_[id] = a;
        ids_.push_back(id);
    };
    for (const auto& menu : {menus::mainMenu(), menus::documentMenu()})
        for (const menus::Popup& p : menu)
            for (const menus::Entry& e : p.entries)
                if (e.kind == menus::Entry::Command) add(e.id);
}

QAction* CommandActions::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}
