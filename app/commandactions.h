#pragma once
#include <QObject>

#include <map>
#include <vector>

class QAction;

// One QAction per command id of the menus and the tool bar, made in one
// place from the menu tables: menu text, status-bar hint, tool-bar icon and
// an objectName ("actionGauss", from the command table). Triggering an action
// reports its id.
class CommandActions : public QObject {
    Q_OBJECT
public:
    explicit CommandActions(QObject* parent = nullptr);

    QAction* action(int id) const; // null for an unknown id
    const std::vector<int>& ids() const { return ids_; }

signals:
    void triggered(int id);

private:
    std::map<int, QAction*> actions_;
    std::vector<int> ids_;
};
