#pragma once
#include <QAbstractScrollArea>

class protobject;

// Shows one protocol record (a whole protocol, or the result's matrix record)
// and scrolls it: 20 device units across, one fraction row height down.
// Right clicks are left to the parent (the document window's context menu).
class protview : public QAbstractScrollArea {
    Q_OBJECT
public:
    // shown: not owned, never null, alive as long as the view.
    explicit protview(protobject* shown, QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override; // the refresh event
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void measure();
    protobject* shown_;
};
