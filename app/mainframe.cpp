#include "mainframe.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "commandactions.h"
#include "commandids.h"
#include "menus.h"
#include "sdidecframe.h"
#include "tmymdiclient.h"
#include "toolicons.h"

namespace {

// Fills a menu from a menu table, with the actions of the command table.
void fill(QMenu* menu, std::span<const menus::Entry> entries, const CommandActions& commands) {
    QMenu* target = menu;
    for (const menus::Entry& e : entries) {
        switch (e.kind) {
        case menus::Entry::Command: target->addAction(commands.action(e.id)); break;
        case menus::Entry::Separator: target->addSeparator(); break;
        case menus::Entry::SubmenuBegin: target = menu->addMenu(QString::fromUtf8(e.text)); break;
        case menus::Entry::SubmenuEnd: target = menu; break;
        }
    }
}

} // namespace

MainFrame::MainFrame() {
    setObjectName("mainWindow");
    setWindowTitle(QStringLiteral("Lineon"));
    setWindowIcon(ToolIcons::application());
    client_ = new TMyMDIClient(this);
    setCentralWidget(client_);
    commands_ = new CommandActions(this);
    connect(commands_, &CommandActions::triggered, this, [this](int id) { execute(id); });

    statusBar()->setObjectName("statusBar");
    statusBar()->setSizeGripEnabled(true);
    buildToolBar();
    buildMenus();
    buildAccelerators();

    connect(client_, &QMdiArea::subWindowActivated, this, &MainFrame::updateCommandStates);
    connect(client_, &TMyMDIClient::documentStateChanged, this, &MainFrame::updateCommandStates);
    updateCommandStates();
    resize(960, 680);
}

MainFrame::~MainFrame() {
    // The windows below close as the frame goes; no state updates on a half-gone frame.
    disconnect(client_, nullptr, this, nullptr);
}

QAction* MainFrame::action(int id) const { return commands_->action(id); }

void MainFrame::buildMenus() {
    const auto mainMenu = menus::mainMenu();
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        if (int(i) == menus::fileGroupPopups) {
            // The document window's menu, shown only while one is active.
            for (const menus::Popup& p : menus::documentMenu()) {
                QMenu* m = menuBar()->addMenu(QString::fromUtf8(p.text));
                fill(m, p.entries, *commands_);
                connect(m, &QMenu::aboutToShow, this, &MainFrame::updateCommandStates);
                documentMenus_.push_back(m->menuAction());
            }
        }
        const menus::Popup& p = mainMenu[i];
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(p.text));
        fill(m, p.entries, *commands_);
        connect(m, &QMenu::aboutToShow, this, &MainFrame::updateCommandStates);
        if (QString::fromUtf8(p.text) == QStringLiteral("&Fenster")) {
            windowMenu_ = m;
            windowListStart_ = m->addSeparator();
        }
    }
}

void MainFrame::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Werkzeugleiste"));
    toolBar_->setObjectName("toolBar");
    toolBar_->setMovable(false);
    QFont font = toolBar_->font();
    font.setPointSize(10);
    toolBar_->setFont(font);
    for (int id : menus::toolBar()) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(commands_->action(id));
    }
}

void MainFrame::buildAccelerators() {
    for (const menus::Accelerator& a : menus::accelerators()) {
        auto* s = new QShortcut(QKeySequence(QString::fromLatin1(a.keys)), this);
        s->setObjectName(QStringLiteral("accelerator") + QString::fromLatin1(a.keys));
        const int id = a.id;
        connect(s, &QShortcut::activated, this, [this, id] { execute(id); });
    }
}

void MainFrame::setHandler(int id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
    updateCommandStates();
}

std::optional<bool> MainFrame::commandState(int id) const {
    if (SDIDecFrame* doc = client_->activeDocument())
        if (auto state = doc->commandState(id)) return state;
    if (auto state = client_->commandState(id)) return state;
    if (handlers_.count(id) || id == cmd::Exit) return true;
    return std::nullopt;
}

bool MainFrame::execute(int id) {
    if (!commandState(id).value_or(false)) return false;
    if (SDIDecFrame* doc = client_->activeDocument(); doc && doc->commandState(id))
        doc->command(id);
    else if (client_->commandState(id))
        client_->command(id);
    else if (id == cmd::Exit)
        close();
    else if (auto it = handlers_.find(id); it != handlers_.end())
        it->second();
    updateCommandStates();
    return true;
}

void MainFrame::updateCommandStates() {
    for (int id : commands_->ids())
        commands_->action(id)->setEnabled(commandState(id).value_or(false));
    const bool document = client_->activeDocument() != nullptr;
    for (QAction* menu : documentMenus_) menu->setVisible(document);
    fillWindowList();
}

// The open document windows at the end of "&Fenster", the active one checked.
void MainFrame::fillWindowList() {
    const QList<QAction*> all = windowMenu_->actions();
    for (qsizetype i = all.indexOf(windowListStart_) + 1; i < all.size(); ++i) {
        windowMenu_->removeAction(all[i]);
        all[i]->deleteLater(); // it may be the entry whose trigger brought us here
    }
    const QList<QMdiSubWindow*> windows = client_->subWindowList(QMdiArea::CreationOrder);
    windowListStart_->setVisible(!windows.isEmpty());
    int n = 0;
    for (QMdiSubWindow* w : windows) {
        ++n;
        const QString text = n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(w->windowTitle())
                                    : QStringLiteral("%1 %2").arg(n).arg(w->windowTitle());
        QAction* a = windowMenu_->addAction(text);
        a->setObjectName("windowListEntry");
        a->setCheckable(true);
        a->setChecked(w == client_->currentSubWindow());
        connect(a, &QAction::triggered, client_, [this, p = QPointer<QMdiSubWindow>(w)] {
            if (p) client_->setActiveSubWindow(p);
        });
    }
}

void MainFrame::closeEvent(QCloseEvent* e) {
    if (client_->closeAll())
        e->accept();
    else
        e->ignore();
}
