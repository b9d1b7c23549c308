#pragma once
#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <memory>
#include <string>
#include <vector>

class EditorHost;
class MatrixObject;
class dc;

// The grid of the source editor: one cell per element of the document, the
// cursor cell and the marked block (the rectangle between the cursor and the
// mark) inverted, red grid lines. Scrolls by units of the widest column across
// and one row down. Typing happens in the panel's entry line, which commits
// through enterValue. The two kinds differ only in their number type.
class MatrixEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    // document and host: not owned, never null. What the panel around the
    // grid shows (position, the cursor cell's text) goes out as signals.
    MatrixEdit(MatrixObject* document, EditorHost* host, QWidget* parent);
    ~MatrixEdit() override;

    // Commits typed text to the cursor cell and, when it changed the cell's
    // value, to the whole marked block; then moves on.
    virtual void enterValue(const std::string& text) = 0;
    // Why text cannot be committed (it does not read wholly as one number of
    // the document's kind), in German; empty when it can.
    virtual QString refusal(const std::string& text) const = 0;
    // Whether a typed character other than a digit, "-" or Backspace can
    // belong to a number of the document's kind.
    virtual bool allowsTyping(QChar c) const = 0;
    // Renders every cell and sets column widths and row height from the
    // current display settings.
    void layout();
    virtual void layout(dc& measure) = 0;
    // Renders the cells of a block again (their values changed, the shape did
    // not) and measures their columns anew; the result equals a whole layout.
    virtual void relayoutCells(int top, int left, int bottom, int right) = 0;
    virtual void copyBlock() = 0;
    virtual void pasteBlock() = 0;
    virtual void openBuffer() = 0;
    // Pastes spreadsheet text (tab- or semicolon-separated) with its top left
    // on the cursor; the matrix grows where the block reaches beyond it.
    // False with a German reason when the text is no table of numbers of the
    // document's kind; the matrix is then unchanged.
    virtual bool pasteText(const std::string& text, std::string& error) = 0;
    // Change the matrix (the panel's resize and transpose); true when its
    // shape or a value changed, which also marks the document modified. The
    // caller lays out again.
    virtual bool resizeMatrix(int rows, int cols, bool fromTop, bool fromLeft) = 0;
    virtual bool transposeMatrix() = 0;

    MatrixObject* document() const { return document_; }

    // The cell at the last mouse point in document coordinates, or false.
    bool hitTest(int& row, int& col) const;
    // Places the cursor and collapses the mark onto it; shows the cell in the
    // panel and scrolls it into view.
    void setCursor(int row, int col);
    // One step (dCol, dRow) through the matrix as a ring.
    void moveCursor(int dCol, int dRow);
    void scrollToCell(int row, int col);
    void updateScrollUnits();
    // The Markieren commands: whole columns or rows of the marked block, or
    // everything. They leave the entry line as it was.
    void markWholeColumns();
    void markWholeRows();
    void markAll();

    int cursorRow() const { return cursorRow_; }
    int cursorCol() const { return cursorCol_; }
    // The marked block as inclusive bounds; false without a cursor.
    bool markedBlock(int& top, int& left, int& bottom, int& right) const;

    int columnWidth(int col) const;
    int columnCount() const { return int(columnWidths_.size()); }
    int rowHeight() const { return rowHeight_; }
    int totalWidth() const { return totalWidth_; }
    int totalHeight() const { return totalHeight_; }
    int horizontalUnit() const { return xUnit_; }
    int verticalUnit() const { return yUnit_; }
    // Left edge of a column in document coordinates.
    int columnLeft(int col) const;

signals:
    // The cursor moved onto a cell: its text, for the entry line.
    void cellShown(const std::string& text, int row, int col);
    // The cell under the mouse or the mark's end, for the position display.
    void positionShown(int row, int col);

protected:
    // Draws one cached cell; x is the right edge of the cell when numbers are
    // aligned right, else its left edge; y is its top.
    virtual void paintCell(int x, int y, int row, int col, dc& d) const = 0;

    // Measures in the grid's own device units, outside painting.
    std::unique_ptr<dc> measuringDc() const;
    // For the kinds' layout: the new column widths and row height.
    void setLayout(std::vector<int> columnWidths, int rowHeight);
    // Shows the cursor cell again after a commit or a paste (cellShown).
    void showCell(int row, int col);
    void repaintGrid();
    bool hasCursor() const { return cursorCol_ >= 0; }
    void collapseMark();
    EditorHost* host() const { return host_; }

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setMouse(const QPoint& viewportPoint);
    bool mayAutoScroll() const;
    void startAutoScroll(int interval);
    void stopAutoScroll();
    void updateScrollBars();
    int xOffset() const;
    int yOffset() const;
    int xPage() const;
    int yPage() const;
    void scrollTo(int xPos, int yPos);

    MatrixObject* document_;
    EditorHost* host_;

    int totalWidth_ = 0, totalHeight_ = 0;
    int mouseX_ = 0, mouseY_ = 0;
    int cursorCol_ = -1, cursorRow_ = -1;
    int markCol_ = -1, markRow_ = -1;
    int hoverCol_ = -1, hoverRow_ = -1;
    enum class Direction { None, Up, Right, Down, Left };
    Direction autoScrollDirection_ = Direction::None;
    bool dragging_ = false;
    std::vector<int> columnWidths_;
    int rowHeight_ = 0;
    int xUnit_ = 1, yUnit_ = 1; // scroll units in pixels
    bool fineSteps_ = false;    // a column is wider than the window: xUnit_ is a tenth of it
    QBasicTimer autoScroll_;
};
