#include "matrixedit.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

#include <algorithm>

#include "bruchfonts.h"
#include "matrixobject.h"
#include "qpainterdc.h"

namespace {
constexpr int FirstAutoScrollInterval = 100; // ms
constexpr int NextAutoScrollInterval = 60;
} // namespace

MatrixEdit::MatrixEdit(MatrixObject* document, EditorHost* host, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), host_(host) {
    setObjectName("grid");
    setFrameShape(QFrame::Box);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Typing belongs to the entry line: clicks in the grid leave it the focus.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    viewport()->setMouseTracking(true); // the position display follows the mouse
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    xUnit_ = std::max(1, 6 * settings().avgWidthA);
}

MatrixEdit::~MatrixEdit() = default;

void MatrixEdit::layout() { layout(*measuringDc()); }

std::unique_ptr<dc> MatrixEdit::measuringDc() const {
    return std::make_unique<QPainterDc>(viewport(), viewport()->font());
}

void MatrixEdit::setLayout(std::vector<int> columnWidths, int rowHeight) {
    columnWidths_ = std::move(columnWidths);
    rowHeight_ = rowHeight;
    totalWidth_ = 0;
    for (int w : columnWidths_) totalWidth_ += w;
    totalHeight_ = document_->rows() * rowHeight_;
    updateScrollUnits();
}

void MatrixEdit::updateScrollUnits() {
    int widest = 0;
    for (int w : columnWidths_) widest = std::max(widest, w);
    // Units stay positive so that positions can be divided by them; an empty
    // matrix keeps the unit it started with.
    if (widest > 0) xUnit_ = widest;
    // A column wider than the window (a very long number) scrolls by a tenth
    // of the window, so that every part of it can be brought into view.
    const int window = viewport()->width();
    fineSteps_ = widest > window && window >= 10;
    if (fineSteps_) xUnit_ = window / 10;
    if (rowHeight_ > 0) yUnit_ = rowHeight_;
    updateScrollBars();
}

int MatrixEdit::xPage() const { return viewport()->width() / xUnit_; }
int MatrixEdit::yPage() const { return viewport()->height() / yUnit_; }
int MatrixEdit::xOffset() const { return horizontalScrollBar()->value() * xUnit_; }
int MatrixEdit::yOffset() const { return verticalScrollBar()->value() * yUnit_; }

// The scroll ranges count units: columns across, rows down. Since a unit is the
// widest column, a table of unequal columns may scroll past its right end.
void MatrixEdit::updateScrollBars() {
    const int cols = document_->rows() > 0 ? document_->cols() : 0;
    const int rows = document_->cols() > 0 ? document_->rows() : 0;
    const int beyond = totalWidth_ - viewport()->width();
    horizontalScrollBar()->setRange(
        0, std::max(0, fineSteps_ ? (beyond + xUnit_ - 1) / xUnit_ : cols - xPage()));
    horizontalScrollBar()->setPageStep(std::max(1, xPage()));
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, std::max(0, rows - yPage()));
    verticalScrollBar()->setPageStep(std::max(1, yPage()));
    verticalScrollBar()->setSingleStep(1);
}

int MatrixEdit::columnWidth(int col) const {
    return col >= 0 && col < columnCount() ? columnWidths_[std::size_t(col)] : 0;
}

int MatrixEdit::columnLeft(int col) const {
    int left = 0;
    for (int c = 0; c < col && c < columnCount(); ++c) left += columnWidths_[std::size_t(c)];
    return left;
}

bool MatrixEdit::markedBlock(int& top, int& left, int& bottom, int& right) const {
    if (cursorCol_ < 0) return false;
    const int mr = markRow_ < 0 ? cursorRow_ : markRow_;
    const int mc = markCol_ < 0 ? cursorCol_ : markCol_;
    top = std::min(cursorRow_, mr);
    bottom = std::max(cursorRow_, mr);
    left = std::min(cursorCol_, mc);
    right = std::max(cursorCol_, mc);
    return true;
}

bool MatrixEdit::hitTest(int& row, int& col) const {
    row = col = -1;
    if (mouseX_ <= 0 || mouseX_ >= totalWidth_ || mouseY_ <= 0 || mouseY_ >= totalHeight_)
        return false;
    int right = 0;
    for (int c = 0; c < columnCount(); ++c) {
        right += columnWidths_[std::size_t(c)];
        if (right >= mouseX_) {
            const int r = mouseY_ / rowHeight_;
            if (r >= document_->rows()) return false;
            row = r;
            col = c;
            return true;
        }
    }
    return false;
}

void MatrixEdit::setCursor(int row, int col) {
    if (document_->rows() <= 0 || document_->cols() <= 0) return;
    // Only a real cell can hold the cursor: typing writes into the block it marks.
    row = std::clamp(row, 0, document_->rows() - 1);
    col = std::clamp(col, 0, document_->cols() - 1);
    cursorCol_ = markCol_ = col;
    cursorRow_ = markRow_ = row;
    showCell(row, col);
    scrollToCell(row, col);
}

void MatrixEdit::showCell(int row, int col) {
    emit cellShown(document_->cellText(row, col, settings().floatFormat()), row, col);
}

void MatrixEdit::collapseMark() {
    markCol_ = cursorCol_;
    markRow_ = cursorRow_;
}

// The matrix as a ring: stepping off one end of a row (or column) enters the
// next row (column), and off the last cell back to the first.
void MatrixEdit::moveCursor(int dCol, int dRow) {
    if (cursorCol_ < 0) return;
    const int rows = document_->rows(), cols = document_->cols();
    int r = cursorRow_, c = cursorCol_;
    if (dCol > 0 && ++c == cols) {
        c = 0;
        r = r + 1 == rows ? 0 : r + 1;
    } else if (dCol < 0 && --c < 0) {
        c = cols - 1;
        r = r == 0 ? rows - 1 : r - 1;
    } else if (dCol == 0 && dRow > 0 && ++r == rows) {
        r = 0;
        c = c + 1 == cols ? 0 : c + 1;
    } else if (dCol == 0 && dRow < 0 && --r < 0) {
        r = rows - 1;
        c = c == 0 ? cols - 1 : c - 1;
    }
    setCursor(r, c);
}

void MatrixEdit::scrollToCell(int row, int col) {
    // Scroll just far enough that the whole cell shows, its left and top
    // edges first when it is larger than the window.
    int xPos = horizontalScrollBar()->value();
    const int left = columnLeft(col);
    const int right = left + columnWidth(col);
    if (left < xPos * xUnit_) {
        xPos = left / xUnit_;
    } else if (right > xPos * xUnit_ + viewport()->width()) {
        const int needed = right - viewport()->width();
        xPos = std::min((needed + xUnit_ - 1) / xUnit_, left / xUnit_);
    }
    int yPos = verticalScrollBar()->value();
    if (row < yPos)
        yPos = row;
    else if ((row + 1) * yUnit_ > yPos * yUnit_ + viewport()->height())
        yPos = std::max(row + 1 - std::max(1, yPage()), 0);
    scrollTo(xPos, yPos);
    viewport()->update();
}

void MatrixEdit::scrollTo(int xPos, int yPos) {
    horizontalScrollBar()->setValue(xPos);
    verticalScrollBar()->setValue(yPos);
}

void MatrixEdit::repaintGrid() { viewport()->update(); }

void MatrixEdit::markWholeColumns() {
    if (cursorCol_ < 0) return;
    if (markCol_ < 0) markCol_ = cursorCol_;
    cursorRow_ = 0;
    markRow_ = document_->rows() - 1;
    repaintGrid();
}

void MatrixEdit::markWholeRows() {
    if (cursorCol_ < 0) return;
    if (markRow_ < 0) markRow_ = cursorRow_;
    cursorCol_ = 0;
    markCol_ = document_->cols() - 1;
    repaintGrid();
}

void MatrixEdit::markAll() {
    if (cursorCol_ < 0) return;
    cursorRow_ = cursorCol_ = 0;
    markRow_ = document_->rows() - 1;
    markCol_ = document_->cols() - 1;
    repaintGrid();
}

void MatrixEdit::paintEvent(QPaintEvent* e) {
    if (columnWidths_.empty() || rowHeight_ <= 0) return;
    QPainter p(viewport());
    const int dx = xOffset(), dy = yOffset();
    p.translate(-dx, -dy);
    // The update rectangle in document coordinates, right and bottom exclusive.
    const QRect u = e->rect().translated(dx, dy);
    const int ul = u.left(), ur = u.left() + u.width(), ut = u.top(), ub = u.top() + u.height();
    const int rows = document_->rows();
    const bool alignRight = settings().rechtszentriert;

    p.setPen(palette().color(QPalette::Text));
    QPainterDc d(p);
    const int firstRow = std::max(0, ut / rowHeight_);
    const int lastRow = std::min(rows - 1, (ub - 1) / rowHeight_);
    int right = 0;
    for (int c = 0; c < columnCount(); ++c) {
        const int left = right;
        right += columnWidths_[std::size_t(c)];
        if (right <= ul) continue;
        if (left >= ur) break;
        for (int r = firstRow; r <= lastRow; ++r)
            paintCell(alignRight ? right : left, r * rowHeight_, r, c, d);
    }

    p.setPen(QPen(QColor(255, 0, 0), 0));
    const int yTop = std::max(0, ut), yBottom = std::min(totalHeight_, ub);
    right = 0;
    for (int c = 0; c < columnCount() && right < ur; ++c) {
        right += columnWidths_[std::size_t(c)];
        if (right >= ul) p.drawLine(right, yTop, right, yBottom);
    }
    const int xLeft = std::max(0, ul), xRight = std::min(totalWidth_, ur);
    for (int r = firstRow; r <= lastRow; ++r)
        p.drawLine(xLeft, (r + 1) * rowHeight_, xRight, (r + 1) * rowHeight_);

    // The marked block inverted, its grid lines left as they are.
    int top, left, bottom, last;
    if (!markedBlock(top, left, bottom, last)) return;
    const int x1 = columnLeft(left) + 1;
    const int x2 = columnLeft(last) + columnWidth(last);
    const int y1 = top * rowHeight_ + 1, y2 = (bottom + 1) * rowHeight_;
    if (x2 > x1 && y2 > y1) {
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::white);
    }
}

void MatrixEdit::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollUnits(); // whether a column is wider than the window may change
}

void MatrixEdit::scrollContentsBy(int, int) { viewport()->update(); }

void MatrixEdit::setMouse(const QPoint& viewportPoint) {
    mouseX_ = xOffset() + viewportPoint.x();
    mouseY_ = yOffset() + viewportPoint.y();
}

void MatrixEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore(); // the right button belongs to the document window's context menu
        return;
    }
    setMouse(e->position().toPoint());
    dragging_ = true;
    int row, col;
    if (hitTest(row, col)) setCursor(row, col);
}

void MatrixEdit::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    setMouse(pt);
    stopAutoScroll();
    int row, col;
    const bool hit = hitTest(row, col);
    const int w = viewport()->width(), h = viewport()->height();
    const bool dragNow = dragging_ && (e->buttons() & Qt::LeftButton);
    if (!hit || pt.x() < 1 || pt.y() < 1 || pt.x() >= w || pt.y() >= h) {
        if (!dragNow) return;
        autoScrollDirection_ = pt.x() < 0   ? Direction::Left
                               : pt.x() > w ? Direction::Right
                               : pt.y() < 0 ? Direction::Up
                               : pt.y() > h ? Direction::Down
                                            : Direction::None;
        if (mayAutoScroll()) startAutoScroll(FirstAutoScrollInterval);
    } else if (!dragNow) {
        if (row != hoverRow_ || col != hoverCol_) {
            emit positionShown(row, col);
            hoverRow_ = row;
            hoverCol_ = col;
        }
    } else if (row != markRow_ || col != markCol_) {
        markRow_ = row;
        markCol_ = col;
        repaintGrid();
        emit positionShown(row, col);
    }
}

void MatrixEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    dragging_ = false;
    stopAutoScroll();
}

void MatrixEdit::contextMenuEvent(QContextMenuEvent* e) { e->ignore(); }

bool MatrixEdit::mayAutoScroll() const {
    switch (autoScrollDirection_) {
    case Direction::Up: return markRow_ > 0;
    case Direction::Right: return markCol_ < document_->cols() - 1;
    case Direction::Down: return markRow_ < document_->rows() - 1;
    case Direction::Left: return markCol_ > 0;
    case Direction::None: break;
    }
    return false;
}

void MatrixEdit::startAutoScroll(int interval) { autoScroll_.start(interval, this); }

void MatrixEdit::stopAutoScroll() { autoScroll_.stop(); }

void MatrixEdit::timerEvent(QTimerEvent* e) {
    if (e->timerId() != autoScroll_.timerId() || markCol_ < 0) {
        QAbstractScrollArea::timerEvent(e);
        return;
    }
    switch (autoScrollDirection_) {
    case Direction::Up: --markRow_; break;
    case Direction::Right: ++markCol_; break;
    case Direction::Down: ++markRow_; break;
    case Direction::Left: --markCol_; break;
    case Direction::None: break;
    }
    emit positionShown(markRow_, markCol_);
    scrollToCell(markRow_, markCol_);
    if (mayAutoScroll())
        startAutoScroll(NextAutoScrollInterval);
    else
        stopAutoScroll();
}
