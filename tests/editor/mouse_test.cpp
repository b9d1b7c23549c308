// The mouse in the grid, where the sessions do not reach: a click on a grid
// line belongs to the cell left of it, and a drag past the grid's edge goes on
// marking towards more cells until the matrix ends. (The right button opens
// the document window's menu, as the sessions show.) A number wider than the
// window scrolls into view to its end.
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "editmain.h"
#include "editorhost.h"
#include "matrixedit.h"
#include "matrixlong.h"
#include "matrixreel.h"
#include "protstream.h"
#include "qpainterdc.h"
#include "settingsfixtures.h"

namespace {

class NoWindow : public EditorHost {
    void setModified() override {}
    void updateCaption() override {}
    void showStatus(const QString&) override {}
    void openDocument(std::unique_ptr<protstream>, std::unique_ptr<MatrixObject>) override {}
};

class Mouse : public testing::Test, public QWidget {
protected:
    SettingsGuard guard;
    NoWindow host;
    protstream protocol;
    MatrixReel doc{10, 5, &protocol};
    std::unique_ptr<editmain> panel;

    Mouse() {
        settings().screenMetrics = &QPainterDc::screenMetrics;
        settings().remeasure();
        panel = std::make_unique<editmain>(&doc, &host, this);
        resize(640, 400);
        panel->resize(640, 400);
        show();
    }
    MatrixEdit* grid() const { return panel->grid(); }
    QWidget* vp() const { return grid()->viewport(); }
    QPoint middle(int r, int c) const {
        return {grid()->columnLeft(c) + grid()->columnWidth(c) / 2, r * grid()->rowHeight() + 5};
    }
    void move(QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, vp()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(vp(), &e);
    }
    bool marked(int top, int left, int bottom, int right) const {
        int t, l, b, r;
        return grid()->markedBlock(t, l, b, r) &&
               std::tie(t, l, b, r) == std::tie(top, left, bottom, right);
    }
};

} // namespace

TEST_F(Mouse, ALineBelongsToTheCellLeftOfIt) {
    const int line = grid()->columnWidth(0);
    QTest::mouseClick(vp(), Qt::LeftButton, {}, {line, grid()->rowHeight() + 2});
    EXPECT_TRUE(marked(1, 0, 1, 0));
    QTest::mouseClick(vp(), Qt::LeftButton, {}, {0, 5}); // left of the first column: no cell
    EXPECT_TRUE(marked(1, 0, 1, 0));
}

TEST_F(Mouse, DraggingPastAnEdgeMarksOnUntilTheMatrixEnds) {
    QTest::mousePress(vp(), Qt::LeftButton, {}, middle(2, 1));
    move({middle(2, 1).x(), -5});
    EXPECT_TRUE(QTest::qWaitFor([&] { return marked(0, 1, 2, 1); }));
    move({vp()->width() + 5, middle(0, 1).y()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return marked(0, 1, 2, 2); }));
    move(middle(0, 3)); // back over the cells: the mark follows the mouse again
    QTest::qWait(300);  // and marks on no further
    EXPECT_TRUE(marked(0, 1, 2, 3));
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, middle(0, 3));
    QMouseEvent hover(QEvent::MouseMove, middle(0, 0), vp()->mapToGlobal(middle(0, 0)),
                      Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(vp(), &hover);
    EXPECT_TRUE(marked(0, 1, 2, 3)); // hovering marks nothing
}

// A number wider than the window scrolls into view to its last digit, in
// steps smaller than the window; the scroll bar ends there.
TEST_F(Mouse, ANumberWiderThanTheWindowScrollsToItsLastDigit) {
    MatrixLong wide(2, 2, &protocol);
    wide.setCellText(0, 1, std::string(400, '9'));
    editmain view(&wide, &host, this);
    view.resize(640, 400);
    view.show();
    MatrixEdit* g = view.grid();
    QScrollBar* bar = g->horizontalScrollBar();
    const int end = g->columnLeft(1) + g->columnWidth(1), window = g->viewport()->width();
    ASSERT_GT(g->columnWidth(1), window);
    EXPECT_LT(g->horizontalUnit(), window);
    EXPECT_GE(bar->maximum() * g->horizontalUnit() + window, end);
    EXPECT_LT((bar->maximum() - 1) * g->horizontalUnit() + window, end);
}
