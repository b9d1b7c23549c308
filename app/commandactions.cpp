#include "commandactions.h"

#include <QAction>

#include "commandids.h"
#include "menus.h"
#include "stringtable.h"
#include "toolicons.h"

namespace {

// Code names of the commands, for objectNames that tests and tools can find.
const char* codeName(int id) {
    switch (id) {
    case cmd::Gauss: return "Gauss";
    case cmd::GaussJordan: return "GaussJordan";
    case cmd::Loesung: return "Loesung";
    case cmd::Bild: return "Bild";
    case cmd::Kern: return "Kern";
    case cmd::Inverse: return "Inverse";
    case cmd::Pivotiere: return "Pivotiere";
    case cmd::Eckenfindung: return "Eckenfindung";
    case cmd::Simplex: return "Simplex";
    case cmd::Naehrungsloesung: return "Naehrungsloesung";
    case cmd::Determinante: return "Determinante";
    case cmd::Multiplikation: return "Multiplikation";
    case cmd::Addition: return "Addition";
    case cmd::Substraktion: return "Substraktion";
    case cmd::Help: return "Help";
    case cmd::AlgorithmHelp: return "AlgorithmHelp";
    case cmd::About: return "About";
    case cmd::New: return "New";
    case cmd::Open: return "Open";
    case cmd::Save: return "Save";
    case cmd::SaveAs: return "SaveAs";
    case cmd::SaveResult: return "SaveResult";
    case cmd::SaveProtocol: return "SaveProtocol";
    case cmd::Print: return "Print";
    case cmd::Exit: return "Exit";
    case cmd::PageSetup: return "PageSetup";
    case cmd::Options: return "Options";
    case cmd::Cascade: return "Cascade";
    case cmd::Tile: return "Tile";
    case cmd::ArrangeIcons: return "ArrangeIcons";
    case cmd::CloseAll: return "CloseAll";
    case cmd::OpenBuffer: return "OpenBuffer";
    case cmd::Resize: return "Resize";
    case cmd::Paste: return "Paste";
    case cmd::Copy: return "Copy";
    case cmd::MarkRows: return "MarkRows";
    case cmd::MarkColumns: return "MarkColumns";
    case cmd::MarkAll: return "MarkAll";
    case cmd::Transpose: return "Transpose";
    case cmd::Duplicate: return "Duplicate";
    case cmd::ResultAsSource: return "ResultAsSource";
    case cmd::OpenAsFloat: return "OpenAsFloat";
    case cmd::ViewResult: return "ViewResult";
    case cmd::ViewProtocol: return "ViewProtocol";
    case cmd::ViewSource: return "ViewSource";
    case cmd::Undo: return "Undo";
    case cmd::Redo: return "Redo";
    case cmd::PasteClipboard: return "PasteClipboard";
    case cmd::OpenClipboard: return "OpenClipboard";
    case cmd::ImportCsv: return "ImportCsv";
    case cmd::ExportCsv: return "ExportCsv";
    case cmd::ExportProtocol: return "ExportProtocol";
    default: return "Unknown";
    }
}

} // namespace

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    auto add = [this](int id) {
        if (actions_.count(id)) return;
        auto* a = new QAction(QString::fromUtf8(menus::commandText(id)), this);
        a->setObjectName(QStringLiteral("action") + QLatin1String(codeName(id)));
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
