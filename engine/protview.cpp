#include "protview.h"

#include <algorithm>
#include <utility>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "bruchfonts.h"
#include "protobject.h"
#include "qpainterdc.h"
#include "refreshevent.h"

namespace {

// Units the bar must move so that size fits into a view of the given extent.
int unitsBeyond(int size, int view, int unit) {
    return size > view ? (size - view + unit - 1) / unit : 0;
}

// About 2 to 4 ms of measuring: short enough not to hold up keys and scrolling.
constexpr long sliceCells = 20000;

} // namespace

protview::protview(std::shared_ptr<const protobject> shown, const bruchfonts& s, QWidget* parent)
    : QAbstractScrollArea(parent), shown_(std::move(shown)), settings_(s) {
    setFocusPolicy(Qt::StrongFocus);
    background_.setInterval(0);
    connect(&background_, &QTimer::timeout, this, &protview::measureSlice);
    measure();
}

protview::~protview() = default;

void protview::measure() {
    measuring_ = std::make_unique<QPainterDc>(viewport(), viewport()->font());
    revision_ = shown_->revision();
    shown_->layOut(layout_, settings_, *measuring_);
    const int unit = settings_.fractionRowHeight();
    vUnit_ = unit > 0 ? unit : 1;
    hUnits_ = layout_.width / horizontalUnit;
    updateScrollBars();
    background_.start();
}

// False when the record had changed since it was laid out; then it is laid
// out anew and painted whole.
bool protview::measuredCurrent() {
    if (shown_->revision() == revision_) return true;
    measure();
    viewport()->update();
    return false;
}

void protview::measureSlice() {
    if (!measuredCurrent()) return;
    long cells = sliceCells;
    if (!shown_->measureMore(layout_, settings_, *measuring_, cells)) background_.stop();
    widthMayHaveGrown();
}

void protview::widthMayHaveGrown() {
    if (layout_.width / horizontalUnit == hUnits_) return;
    hUnits_ = layout_.width / horizontalUnit;
    updateScrollBars();
}

void protview::updateScrollBars() {
    const QSize view = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, unitsBeyond(layout_.width, view.width(), horizontalUnit));
    h->setPageStep(std::max(1, view.width() / horizontalUnit));
    h->setSingleStep(1);
    v->setRange(0, unitsBeyond(layout_.height, view.height(), vUnit_));
    v->setPageStep(std::max(1, view.height() / vUnit_));
    v->setSingleStep(1);
}

bool protview::event(QEvent* e) {
    if (e->type() == RefreshEventType) {
        measure();
        viewport()->update();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void protview::paintEvent(QPaintEvent* e) {
    measuredCurrent();
    QPainter p(viewport());
    p.setPen(palette().color(QPalette::Text));
    const int ox = horizontalScrollBar()->value() * horizontalUnit;
    const int oy = verticalScrollBar()->value() * vUnit_;
    p.translate(-ox, -oy);
    const QRect r = e->rect();
    const dcrect clip{r.left() + ox, r.top() + oy, r.right() + ox, r.bottom() + oy};
    shown_->measureBand(layout_, settings_, *measuring_, clip.top, clip.bottom);
    QPainterDc d(p);
    shown_->draw(layout_, 0, 0, settings_, d, clip);
    widthMayHaveGrown();
}

void protview::keyPressEvent(QKeyEvent* e) {
    QScrollBar* v = verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: v->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: v->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    // Wide protocols scroll sideways from the keyboard too.
    case Qt::Key_Left:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default: e->ignore(); return;
    }
    e->accept();
}

void protview::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        e->ignore(); // the parent's context menu
        return;
    }
    QAbstractScrollArea::mousePressEvent(e);
}

void protview::contextMenuEvent(QContextMenuEvent* e) { e->ignore(); }

bool protview::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Resize) updateScrollBars();
    return QAbstractScrollArea::viewportEvent(e);
}
