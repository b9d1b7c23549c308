// Marking: dragging with the mouse, the auto-scroll while the pointer is
// outside the cells, hovering, and the Markieren commands.
#include <QTimerEvent>

#include "commandids.h"
#include "editorfixture.h"

namespace {
void tick(MatrixEdit* g) {
    QTimerEvent e(g->autoScrollTimerId());
    QApplication::sendEvent(g, &e);
}
} // namespace

TEST_F(EditorTest, DraggingMarksTheBlockAndShowsTheMovingCorner) {
    open(4, 5);
    press(cellPoint(3, 4));
    move(cellPoint(1, 2));
    EXPECT_TRUE(marked(1, 2, 3, 4));
    EXPECT_EQ(position(), "Z 1 : S 2");
    EXPECT_EQ(cursor(), std::make_pair(3, 4));
    EXPECT_EQ(entry()->text(), "34");
    release(cellPoint(1, 2));
    move(cellPoint(0, 0), false); // hovering only shows where the mouse is
    EXPECT_EQ(position(), "Z 0 : S 0");
    EXPECT_TRUE(marked(1, 2, 3, 4));
}

TEST_F(EditorTest, DraggingAboveTheGridScrollsTheMarkUpUntilRowZero) {
    open(10, 5);
    grid()->setCursor(3, 2);
    press(cellPoint(3, 2));
    move({cellPoint(3, 2).x(), -5});
    EXPECT_EQ(grid()->autoScrollInterval(), 100);
    tick(grid());
    EXPECT_EQ(grid()->markRow(), 2);
    EXPECT_EQ(grid()->autoScrollInterval(), 60);
    tick(grid());
    tick(grid());
    EXPECT_EQ(grid()->markRow(), 0);
    EXPECT_EQ(grid()->autoScrollInterval(), 0); // nothing left above
    EXPECT_EQ(position(), "Z 0 : S 2");
    EXPECT_TRUE(marked(0, 2, 3, 2));
}

TEST_F(EditorTest, AutoScrollRunsOnlyWhileDraggingOutsideTowardsMoreCells) {
    open(3, 3);
    press(cellPoint(0, 0));
    const int right = grid()->viewport()->width() + 5;
    move({right, cellPoint(0, 0).y()});
    EXPECT_EQ(grid()->autoScrollInterval(), 100);
    tick(grid());
    EXPECT_EQ(grid()->markCol(), 1);
    move(cellPoint(0, 1)); // back over the cells
    EXPECT_EQ(grid()->autoScrollInterval(), 0);
    move({-5, cellPoint(0, 0).y()});
    EXPECT_EQ(grid()->autoScrollInterval(), 100);
    release({-5, 0});
    move({-5, cellPoint(0, 0).y()}, false); // no drag, no scrolling
    EXPECT_EQ(grid()->autoScrollInterval(), 0);
}

TEST_F(EditorTest, MarkColumnsTakesEveryRowOfTheMarkedColumns) {
    open(4, 5);
    grid()->setCursor(1, 2);
    panel->command(cmd::MarkColumns);
    EXPECT_TRUE(marked(0, 2, 3, 2));
    EXPECT_EQ(entry()->text(), "12"); // the entry line keeps the cell it had
    EXPECT_EQ(position(), "Z 1 : S 2");

    drag(1, 1, 2, 3);
    panel->command(cmd::MarkRows);
    EXPECT_TRUE(marked(1, 0, 2, 4));

    panel->command(cmd::MarkAll);
    EXPECT_TRUE(marked(0, 0, 3, 4));
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(host.modified, 0);
}
