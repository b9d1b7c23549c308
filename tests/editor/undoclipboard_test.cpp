// Undo steps of the editor's changes, and the desktop clipboard: copy puts
// the block there for spreadsheets, "Aus Zwischenablage einfügen" reads
// their text back.
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>

#include "commandids.h"
#include "editorfixture.h"
#include "matrixchange.h"
#include "matrixpicture.h"
#include "modaldriver.h"

namespace {


// A window that keeps the editor's steps as the document window does.
class UndoHost : public RecordingHost {
public:
    QUndoStack stack;
    void recordChange(std::unique_ptr<QUndoCommand> change) override {
        stack.push(change.release());
    }
};

} // namespace

class UndoTest : public EditorTest {
protected:
    UndoHost undoHost;

    void openWithUndo(int rows, int cols, bool exact = true) {
        open(rows, cols, exact);
        panel = std::make_unique<editmain>(doc.get(), &undoHost);
        panel->resize(640, 400);
        panel->show();
    }
    void commit(int r, int c, const QString& text) {
        grid()->setCursor(r, c);
        entry()->selectAll(); // typing replaces the shown value
        type(text);
        key(Qt::Key_Return);
    }
    // Undo and redo as the window does them: the step, then the editor shows
    // the cells it changed.
    void undo() {
        undoHost.stack.undo();
        show(undoHost.stack.command(undoHost.stack.index()));
    }
    void redo() {
        undoHost.stack.redo();
        show(undoHost.stack.command(undoHost.stack.index() - 1));
    }
    void show(const QUndoCommand* step) {
        panel->showChangedMatrix(dynamic_cast<const SourceChange*>(step));
        // What was laid out equals a whole layout.
        std::vector<int> shown, whole;
        for (int c = 0; c < grid()->columnCount(); ++c) shown.push_back(grid()->columnWidth(c));
        grid()->layout();
        for (int c = 0; c < grid()->columnCount(); ++c) whole.push_back(grid()->columnWidth(c));
        EXPECT_EQ(shown, whole);
    }
};

TEST_F(UndoTest, EveryKindOfChangeIsOneStepBackAndForth) {
    openWithUndo(2, 3);
    std::vector<std::string> states{picture(*doc)};
    drag(0, 0, 1, 1);
    type("5");
    key(Qt::Key_Return); // a block of four cells
    states.push_back(picture(*doc));
    commit(1, 2, "-1,1,2");
    states.push_back(picture(*doc));
    panel->command(cmd::Transpose);
    states.push_back(picture(*doc));
    ModalDriver answer([](QDialog* d) {
        d->findChild<QLineEdit*>("rows")->setText("2");
        d->findChild<QLineEdit*>("cols")->setText("2");
        d->findChild<QPushButton*>("ok")->click();
    });
    panel->command(cmd::Resize);
    states.push_back(picture(*doc));
    ASSERT_EQ(states[4], "5 5 / 5 5");
    ASSERT_EQ(undoHost.stack.count(), 4);

    for (int i = 3; i >= 0; --i) {
        undo();
        EXPECT_EQ(picture(*doc), states[std::size_t(i)]) << "after undoing to state " << i;
    }
    EXPECT_FALSE(undoHost.stack.canUndo());
    for (int i = 1; i <= 4; ++i) {
        redo();
        EXPECT_EQ(picture(*doc), states[std::size_t(i)]) << "after redoing to state " << i;
    }
    // The grid follows: the redone 2 x 2 matrix has two columns laid out.
    EXPECT_EQ(grid()->columnCount(), 2);
}

TEST_F(UndoTest, NoStepForWhatChangesNothingAndANewChangeDropsTheRedo) {
    openWithUndo(2, 2);
    commit(0, 0, "0"); // the value it had
    panel->command(cmd::MarkAll);
    panel->command(cmd::Copy);
    EXPECT_EQ(undoHost.stack.count(), 0);
    commit(0, 1, "7");
    commit(1, 1, "8");
    undo();
    EXPECT_EQ(picture(*doc), "0 7 / 10 11");
    commit(1, 0, "9");
    EXPECT_FALSE(undoHost.stack.canRedo());
    EXPECT_EQ(picture(*doc), "0 7 / 9 11");
    undo();
    undo();
    EXPECT_EQ(picture(*doc), "0 1 / 10 11");
}

TEST_F(UndoTest, TheCursorStaysWhereItWasWhenTheCellStillExists) {
    openWithUndo(3, 3);
    panel->command(cmd::Transpose);
    commit(2, 1, "4");
    grid()->setCursor(2, 2);
    undo();
    EXPECT_EQ(cursor(), std::make_pair(2, 2));
    EXPECT_EQ(entry()->text(), "22");
}

// --- the desktop clipboard ---------------------------------------------------

TEST_F(UndoTest, CopyPutsTabSeparatedTextAndAnHtmlTableOnTheClipboard) {
    open(2, 2);
    doc->setCellText(0, 1, "-1,1,2");
    drag(0, 0, 1, 1);
    panel->command(cmd::Copy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), QString::fromUtf8("0\t-1 1\u20442\n10\t11\n"));
    EXPECT_TRUE(data->html().contains(QString::fromUtf8("<td>-1 1\u20442</td>")));
    EXPECT_TRUE(CopyBuffer<reel>::get()); // the program's own buffer still works
}

TEST_F(UndoTest, ClipboardTextPastesAtTheCursorAndGrowsTheMatrix) {
    openWithUndo(2, 2);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("3/4;0,5\n-1 1/2;\u22122\n"));
    grid()->setCursor(1, 1);
    panel->command(cmd::PasteClipboard);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText().toStdString();
    EXPECT_EQ(picture(*doc), "0 1 0 / 10 3,4 1,2 / 0 -1,1,2 -2");
    EXPECT_EQ(undoHost.captions, 1); // the caption shows the new size
    undo();
    EXPECT_EQ(picture(*doc), "0 1 / 10 11");
}

TEST_F(UndoTest, UnreadableClipboardTextIsRefusedAndChangesNothing) {
    openWithUndo(2, 2, false);
    QGuiApplication::clipboard()->setText("1\t2\n3\tvier\n");
    panel->command(cmd::PasteClipboard);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.lastText(), QString::fromUtf8("Der Inhalt der Zwischenablage kann nicht "
                                                    "eingefügt werden.\nZeile 2, Spalte 2: "
                                                    "\"vier\" ist keine Zahl."));
    EXPECT_EQ(prompts.messages.back().caption, "Zwischenablage");
    EXPECT_EQ(picture(*doc), "0 1 / 10 11");
    EXPECT_EQ(undoHost.stack.count(), 0);

    // A float document takes what no fraction could hold.
    QGuiApplication::clipboard()->setText("3,14159265358979");
    panel->command(cmd::PasteClipboard);
    EXPECT_EQ(dynamic_cast<MatrixFloat&>(*doc).at(0, 0), 3.14159265358979);
}
