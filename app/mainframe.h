#pragma once
#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class CommandActions;
class QAction;
class QMenu;
class QShortcut;
class QToolBar;
class TMyMDIClient;

// The main window: menu bar, tool bar, status bar and accelerators around
// the document area. A command goes to the active document window first,
// then to the document area, then to the handlers the application installed;
// a command nobody handles is disabled. One slot asks all enable states
// whenever the active window changes, a menu opens or a command has run.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    MainFrame();
    ~MainFrame() override;

    TMyMDIClient* client() const { return client_; }
    QAction* action(int id) const;
    QToolBar* toolBar() const { return toolBar_; }

    // A command handled by the application itself (about box, page setup, options).
    void setHandler(int id, std::function<void()> handler);

    // Runs a command when it is enabled on the route; false when it is not.
    bool execute(int id);
    // Where a command would go now: its enable state, nothing when no one handles it.
    std::optional<bool> commandState(int id) const;

public slots:
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildAccelerators();
    void fillWindowList();

    TMyMDIClient* client_;
    CommandActions* commands_;
    QToolBar* toolBar_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* windowListStart_ = nullptr;
    std::vector<QAction*> documentMenus_;
    std::map<int, std::function<void()>> handlers_;
};
