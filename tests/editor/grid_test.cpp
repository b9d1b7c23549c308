// The grid: column widths and row heights from the rendered cells, painting,
// mouse points to cells, scrolling a cell into view.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QImage>
#include <QPixmap>

#include "editorfixture.h"

namespace {

int advance(const dcfont& f, const QWidget* device, const char* text) {
    return QFontMetrics(QPainterDc::font(f, device), device).horizontalAdvance(text);
}

QImage shot(MatrixEdit* g) { return g->viewport()->grab().toImage(); }

} // namespace

TEST_F(EditorTest, ThePanelPlacesTheStripAndKeepsTheGridAtItsEdges) {
    open(2, 2);
    EXPECT_EQ(entry()->geometry(), QRect(90, 10, 100, 20));
    EXPECT_EQ(panel->resizeButton()->text(), QString::fromUtf8("Größe Ändern"));
    EXPECT_EQ(panel->overwriteBox()->text(), QString::fromUtf8("Überschreiben"));
    EXPECT_FALSE(panel->overwriteBox()->isChecked());
    EXPECT_EQ(position(), "Z 0 : S 0");
    EXPECT_EQ(entry()->text(), "0");
    panel->resize(500, 300);
    EXPECT_EQ(grid()->geometry(), QRect(3, 38, 493, 260));
}

TEST_F(EditorTest, ColumnsAreAsWideAsTheirWidestNumberPlusTheGap) {
    open(2, 2);
    doc->setCellText(1, 0, "12345");
    grid()->layout();
    const QWidget* vp = grid()->viewport();
    const int gap = settings().addbreite;
    EXPECT_EQ(grid()->columnWidth(0), advance(settings().fontA, vp, "12345") + gap);
    EXPECT_EQ(grid()->columnWidth(1), advance(settings().fontA, vp, "11") + gap);
    EXPECT_EQ(grid()->rowHeight(), 2 * settings().heightB + settings().bruchzr + settings().addhoehe);
    EXPECT_EQ(grid()->horizontalUnit(), grid()->columnWidth(0)); // scrolls by the widest column
    EXPECT_EQ(grid()->verticalUnit(), grid()->rowHeight());

    settings().fixbreite = true;
    grid()->layout();
    EXPECT_EQ(grid()->columnWidth(1), grid()->columnWidth(0));

    open(1, 2, false);
    EXPECT_EQ(grid()->rowHeight(), settings().heightA + settings().addhoehe);
}

TEST_F(EditorTest, RedLinesRightOfAndBelowEachCellAndTheCursorInverted) {
    open(1, 2);
    QImage img = shot(grid());
    const int right = grid()->columnWidth(0), bottom = grid()->rowHeight();
    const QColor red(255, 0, 0);
    EXPECT_EQ(img.pixelColor(right, bottom / 2), red);
    EXPECT_EQ(img.pixelColor(right / 2, bottom), red);
    EXPECT_NE(img.pixelColor(0, bottom / 2), red);
    EXPECT_NE(img.pixelColor(right / 2, 0), red);
    // The gaps before the right-aligned numbers: the cursor's inverted.
    EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(right + 1, 1), QColor(Qt::white));
    key(Qt::Key_Tab);
    img = shot(grid());
    EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(right + 1, 1), QColor(Qt::black));
}

TEST_F(EditorTest, ClicksOnALineBelongToTheCellLeftOfIt) {
    open(3, 3);
    const int line = grid()->columnWidth(0);
    press({line, 5});
    release({line, 5});
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    press({line + 1, grid()->rowHeight() + 1});
    release({line + 1, grid()->rowHeight() + 1});
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
    EXPECT_EQ(position(), "Z 1 : S 1");
    press({0, 5}); // left of x = 1: no cell, the cursor stays
    release({0, 5});
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
}

TEST_F(EditorTest, MovingTheCursorScrollsItsCellFullyIntoView) {
    open(60, 30);
    for (auto [r, c] : {std::pair{59, 29}, {30, 15}, {0, 0}, {59, 0}}) {
        grid()->setCursor(r, c);
        const QRect cellRect(cellPoint(r, c) - QPoint(grid()->columnWidth(c) / 2,
                                                      grid()->rowHeight() / 2),
                             QSize(grid()->columnWidth(c), grid()->rowHeight()));
        EXPECT_TRUE(grid()->viewport()->rect().contains(cellRect)) << r << "," << c;
    }
}

TEST_F(EditorTest, TheRightButtonIsLeftToTheDocumentWindow) {
    struct Window : QWidget {
        int presses = 0, menus = 0;
        void mousePressEvent(QMouseEvent*) override { ++presses; }
        void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
    } window;
    open(2, 2);
    panel->setParent(&window);
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cellPoint(1, 1));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, cellPoint(1, 1),
                           grid()->viewport()->mapToGlobal(cellPoint(1, 1)));
    QApplication::sendEvent(grid()->viewport(), &menu);
    EXPECT_EQ(window.presses, 1);
    EXPECT_EQ(window.menus, 1);
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    panel->setParent(nullptr);
}
