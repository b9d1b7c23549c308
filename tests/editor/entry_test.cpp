// The entry line: committing into the marked block, Enter without typing, the
// ring walk with Tab, Shift+Tab, Page Up and Page Down, the character filters,
// the typing limit, "Überschreiben", typing over a cell's text and texts that
// are no number.
#include <QCheckBox>
#include <QImage>

#include "commandids.h"
#include "editorfixture.h"

TEST_F(EditorTest, TypingIntoAMarkedBlockFillsEveryCellAndMovesOn) {
    open(4, 5);
    drag(1, 1, 2, 3);
    entry()->selectAll();
    type("5");
    key(Qt::Key_Return);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(cell(r, c), "5") << r << "," << c;
    EXPECT_EQ(cell(0, 1), "1");
    EXPECT_EQ(cell(3, 3), "33");
    EXPECT_EQ(cell(1, 4), "14");
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(cursor(), std::make_pair(1, 2));
    EXPECT_TRUE(marked(1, 2, 1, 2));
    EXPECT_EQ(position(), "Z 1 : S 2");
    EXPECT_EQ(entry()->text(), "5");
    EXPECT_FALSE(entry()->isModified());
    // What the grid shows is what a whole new layout of the matrix shows.
    const QImage shown = grid()->viewport()->grab().toImage();
    grid()->layout();
    EXPECT_EQ(shown, grid()->viewport()->grab().toImage());
}

TEST_F(EditorTest, ACommitReMeasuresTheColumn) {
    open(2, 2);
    const int before = grid()->columnWidth(1);
    grid()->setCursor(1, 1);
    key(Qt::Key_End); // the caret moved: typing goes on after the cell's text
    type("123456");
    key(Qt::Key_Enter);
    EXPECT_GT(grid()->columnWidth(1), before);
    EXPECT_EQ(cell(1, 1), "11123456");
    grid()->setCursor(1, 1);
    entry()->selectAll();
    type("11");
    key(Qt::Key_Enter);
    EXPECT_EQ(grid()->columnWidth(1), before); // the widest cell is gone again
}

TEST_F(EditorTest, EnterWithoutTypingAndTabOnlyMoveOn) {
    open(2, 2);
    key(Qt::Key_Return);
    EXPECT_EQ(cursor(), std::make_pair(0, 1));
    type("9");
    key(Qt::Key_Tab); // what was typed is dropped
    EXPECT_EQ(cursor(), std::make_pair(1, 0));
    EXPECT_EQ(cell(0, 1), "1");
    EXPECT_EQ(host.modified, 0);
}

TEST_F(EditorTest, TheSameValueOnlyMovesOnEvenWithABlockMarked) {
    open(3, 3);
    drag(1, 1, 2, 2);
    entry()->selectAll();
    type("22,2"); // 11 written another way
    key(Qt::Key_Return);
    EXPECT_EQ(cell(2, 2), "22");
    EXPECT_EQ(cursor(), std::make_pair(1, 2));
    EXPECT_EQ(host.modified, 0);

    // -0 over 0 is the same value; the cell keeps what was saved.
    open(1, 2, false);
    type("-0");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 0), "0");
    EXPECT_EQ(host.modified, 0);
}

struct RingCase {
    int rows, cols, row, col;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int toRow, toCol;
};
void PrintTo(const RingCase& k, std::ostream* os) {
    *os << k.rows << "x" << k.cols << " from " << k.row << "," << k.col << " key "
        << QKeySequence(k.key | k.mods).toString().toStdString();
}

class RingWalk : public EditorTest, public testing::WithParamInterface<RingCase> {};

TEST_P(RingWalk, StepsThroughTheMatrixAsARing) {
    const RingCase& k = GetParam();
    open(k.rows, k.cols);
    grid()->setCursor(k.row, k.col);
    key(k.key, k.mods);
    EXPECT_EQ(cursor(), std::make_pair(k.toRow, k.toCol));
    EXPECT_EQ(entry()->text().toStdString(), std::to_string(10 * k.toRow + k.toCol));
    EXPECT_EQ(position(), QString("Z %1 : S %2").arg(k.toRow).arg(k.toCol));
}

constexpr Qt::KeyboardModifiers none = Qt::NoModifier;
constexpr Qt::KeyboardModifiers shift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Edges, RingWalk,
    testing::Values(
        RingCase{3, 4, 0, 1, Qt::Key_Tab, none, 0, 2}, RingCase{3, 4, 0, 3, Qt::Key_Tab, none, 1, 0},
        RingCase{3, 4, 2, 3, Qt::Key_Tab, none, 0, 0}, RingCase{3, 4, 1, 2, Qt::Key_Tab, shift, 1, 1},
        RingCase{3, 4, 1, 0, Qt::Key_Tab, shift, 0, 3}, RingCase{3, 4, 0, 0, Qt::Key_Backtab, shift, 2, 3},
        RingCase{3, 4, 0, 1, Qt::Key_PageDown, none, 1, 1},
        RingCase{3, 4, 2, 1, Qt::Key_PageDown, none, 0, 2},
        RingCase{3, 4, 2, 3, Qt::Key_PageDown, none, 0, 0},
        RingCase{3, 4, 1, 2, Qt::Key_PageUp, none, 0, 2},
        RingCase{3, 4, 0, 2, Qt::Key_PageUp, none, 2, 1},
        RingCase{3, 4, 0, 0, Qt::Key_PageUp, none, 2, 3},
        RingCase{1, 4, 0, 0, Qt::Key_PageUp, none, 0, 3},
        RingCase{1, 4, 0, 1, Qt::Key_PageDown, none, 0, 2},
        RingCase{3, 1, 1, 0, Qt::Key_Tab, none, 2, 0},
        RingCase{1, 1, 0, 0, Qt::Key_Tab, none, 0, 0}));

TEST_F(EditorTest, OnlyCharactersOfTheNumberKindReachTheLine) {
    open(1, 1);
    entry()->clear();
    type("1.e+/ aE,2-");
    EXPECT_EQ(entry()->text(), "1,2-");
    key(Qt::Key_Backspace);
    EXPECT_EQ(entry()->text(), "1,2");

    open(1, 1, false);
    entry()->clear();
    type("1,5e-2.x+/ E");
    EXPECT_EQ(entry()->text(), "15e-2.E");
}

TEST_F(EditorTest, TypingStopsAtTwentyCharactersButLongCellsShowWhole) {
    open(1, 2);
    entry()->clear();
    type(QString(25, '7'));
    EXPECT_EQ(entry()->text(), QString(20, '7'));

    doc->setCellText(0, 1, "-2147483647,2147483645,2147483646");
    grid()->setCursor(0, 1);
    EXPECT_EQ(entry()->text(), "-2147483647,2147483645,2147483646");
}

TEST_F(EditorTest, OverwriteSelectsTheTextSoTypingReplacesIt) {
    open(2, 2);
    panel->overwriteBox()->setChecked(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(entry()->selectedText(), "1");
    type("8");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 1), "8");
}

// What a user types into a fresh cell is the number stored, not the cell's
// old text with the typing after it.
struct TypedCase {
    bool exact;
    const char* typed;
    const char* stored; // nullptr: refused, the cell keeps its value
};
void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << (c.exact ? "exact " : "float ") << c.typed;
}
class TypingOverACell : public EditorTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypingOverACell, StoresTheTypedNumberOrKeepsAMarkedRefusal) {
    const TypedCase& c = GetParam();
    open(2, 2, c.exact);
    doc->setCellText(0, 0, "0");
    grid()->setCursor(0, 0);
    type(c.typed);
    key(Qt::Key_Return);
    if (c.stored) {
        EXPECT_EQ(cell(0, 0), c.stored);
        EXPECT_EQ(cursor(), std::make_pair(0, 1));
        EXPECT_TRUE(host.status.isEmpty());
        return;
    }
    EXPECT_EQ(cell(0, 0), "0");
    EXPECT_EQ(host.modified, 0);
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(entry()->text(), c.typed);
    EXPECT_TRUE(entry()->refused());
    EXPECT_NE(entry()->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    EXPECT_TRUE(host.status.startsWith(QString::fromUtf8("„%1“ wird nicht").arg(c.typed)))
        << host.status.toStdString();
    // It stays for mending: typing edits it instead of replacing it.
    key(Qt::Key_Backspace);
    EXPECT_FALSE(entry()->refused());
    EXPECT_TRUE(host.status.isEmpty());
    type("5");
    EXPECT_EQ(entry()->text(), QString(c.typed).chopped(1) + "5");
}

INSTANTIATE_TEST_SUITE_P(
    EntryLine, TypingOverACell,
    testing::Values(TypedCase{true, "-3", "-3"}, TypedCase{true, "5", "5"},
                    TypedCase{true, "2,1,3", "2,1,3"}, TypedCase{true, "-1,2,", "-1,2"},
                    TypedCase{true, "2147483647", "2147483647"}, TypedCase{true, "1-2", nullptr},
                    TypedCase{true, "3000000000", nullptr}, TypedCase{true, "1,0", nullptr},
                    TypedCase{true, "1,2,3,4", nullptr}, TypedCase{true, "-", nullptr},
                    TypedCase{true, "-2147483648", nullptr}, TypedCase{false, "-3", "-3"},
                    TypedCase{false, "2.5e-3", "0.0025"}, TypedCase{false, "1.5.3", nullptr},
                    TypedCase{false, "1e999", nullptr}, TypedCase{false, "3-", nullptr}));

TEST_F(EditorTest, AfterTheCaretMovesOrAClickTypingEditsTheCellsText) {
    open(2, 2);
    key(Qt::Key_Tab);
    key(Qt::Key_Shift); // a modifier alone moves no caret
    type("4");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0, 1), "4");
    key(Qt::Key_Left); // on (1, 0): between the 1 and the 0 of "10"
    type("5");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(1, 0), "150");
    // A click into the line (here at its right end) too.
    QTest::mouseClick(entry(), Qt::LeftButton, {},
                      QPoint(entry()->width() - 4, entry()->height() / 2));
    type("2");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(1, 1), "112");
}

TEST_F(EditorTest, AnEmptyMatrixHasNoCursorAndIgnoresEverything) {
    open(0, 0);
    EXPECT_EQ(cursor(), std::make_pair(-1, -1));
    EXPECT_EQ(position(), "");
    type("5");
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    for (int id : {cmd::MarkAll, cmd::MarkColumns, cmd::MarkRows, cmd::Copy, cmd::Paste})
        panel->command(id);
    EXPECT_EQ(cursor(), std::make_pair(-1, -1));
    EXPECT_EQ(host.modified, 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(CopyBuffer<reel>::get(), nullptr);
}
