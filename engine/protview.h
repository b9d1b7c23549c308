#pragma once
#include <QAbstractScrollArea>
#include <QTimer>

#include <cstdint>
#include <memory>

#include "protlayout.h"

class QPainterDc;
class bruchfonts;
class protobject;

// Shows one protocol record (a whole protocol, or the result's matrix record)
// and scrolls it: 20 device units across, one fraction row height down.
// Right clicks are left to the parent (the document window's context menu).
// The view keeps its own layout of the record. A long protocol is laid out at
// once (all heights, so the vertical range is right from the start); its
// matrices are measured when they come on screen, and the rest in small
// slices while the program is idle, widening the horizontal range as they go.
// Once the record changes (a run rewrites the protocol), the view lays it out
// anew.
class protview : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int horizontalUnit = 20;

    // shown: never null, kept alive by the view as long as it shows it;
    // measured and drawn with the settings s, which outlive the view.
    protview(std::shared_ptr<const protobject> shown, const bruchfonts& s,
             QWidget* parent = nullptr);
    ~protview() override;

protected:
    bool event(QEvent* e) override; // the refresh event
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool viewportEvent(QEvent* e) override; // resizes change the page sizes

private:
    void measure();
    bool measuredCurrent();
    void measureSlice();
    void widthMayHaveGrown();
    void updateScrollBars();
    std::shared_ptr<const protobject> shown_;
    const bruchfonts& settings_;
    ProtLayout layout_;
    std::uint64_t revision_ = 0;            // of the record when layout_ was made
    std::unique_ptr<QPainterDc> measuring_; // keeps its text widths between slices
    QTimer background_;
    // The scroll bars count in units of horizontalUnit across and vUnit_
    // down; hUnits_ is the measured width in units.
    int hUnits_ = 0, vUnit_ = 1;
};
