#pragma once
#include <QAbstractScrollArea>
#include <QTimer>

#include <memory>

class QPainterDc;
class bruchfonts;
class protobject;

// Shows one protocol record (a whole protocol, or the result's matrix record)
// and scrolls it: 20 device units across, one fraction row height down.
// Right clicks are left to the parent (the document window's context menu).
// A long protocol is laid out at once (all heights, so the vertical range is
// right from the start); its matrices are measured when they come on screen,
// and the rest in small slices while the program is idle, widening the
// horizontal range as they go.
class protview : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int horizontalUnit = 20;

    // shown: not owned, never null, alive as long as the view; measured and
    // drawn with the settings s, which outlive the view too.
    protview(protobject* shown, const bruchfonts& s, QWidget* parent = nullptr);
    ~protview() override;

    // The scroller's units and ranges: range = measured size / unit. The
    // scroll bars count in units and reach far enough to show the whole
    // measured area.
    int horizontalRange() const { return hRange_; }
    int verticalRange() const { return vRange_; }
    int verticalUnit() const { return vUnit_; }
    // Whether the shown record still has parts to measure in the background.
    bool measuringInBackground() const { return background_.isActive(); }

protected:
    bool event(QEvent* e) override; // the refresh event
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool viewportEvent(QEvent* e) override; // resizes change the page sizes

private:
    void measure();
    void measureSlice();
    void widthMayHaveGrown();
    void updateScrollBars();
    protobject* shown_;
    const bruchfonts& settings_;
    std::unique_ptr<QPainterDc> measuring_; // keeps its text widths between slices
    QTimer background_;
    int hRange_ = 0, vRange_ = 0, vUnit_ = 1;
};
