#pragma once
#include <QAbstractScrollArea>

class protobject;

// Shows one protocol record (a whole protocol, or the result's matrix record)
// and scrolls it: 20 device units across, one fraction row height down.
// Right clicks are left to the parent (the document window's context menu).
class protview : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int horizontalUnit = 20;

    // shown: not owned, never null, alive as long as the view.
    explicit protview(protobject* shown, QWidget* parent = nullptr);

    // The scroller's units and ranges: range = measured size / unit. The
    // scroll bars count in units and reach far enough to show the whole
    // measured area.
    int horizontalRange() const { return hRange_; }
    int verticalRange() const { return vRange_; }
    int verticalUnit() const { return vUnit_; }

protected:
    bool event(QEvent* e) override; // the refresh event
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool viewportEvent(QEvent* e) override; // resizes change the page sizes

private:
    void measure();
    void updateScrollBars();
    protobject* shown_;
    int hRange_ = 0, vRange_ = 0, vUnit_ = 1;
};
