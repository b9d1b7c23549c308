// Block operations: copy, paste at each corner (also cut off at the edges),
// the buffer per number kind, opening the buffer, resize, transpose, and the
// modified mark after each change.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "commandids.h"
#include "editorfixture.h"
#include "matrixpicture.h"
#include "modaldriver.h"

class BlockTest : public EditorTest {
protected:
    void paste(int corner) {
        ModalDriver answer([corner](QDialog* d) {
            d->findChild<QRadioButton*>(QString("corner%1").arg(corner))->click();
            d->findChild<QPushButton*>("ok")->click();
        });
        panel->command(cmd::Paste);
        EXPECT_TRUE(answer.ran());
    }
    void resizeTo(const QString& rows, const QString& cols, bool fromTop, bool fromLeft) {
        ModalDriver answer([&](QDialog* d) {
            d->findChild<QLineEdit*>("rows")->setText(rows);
            d->findChild<QLineEdit*>("cols")->setText(cols);
            d->findChild<QCheckBox*>("fromTop")->setChecked(fromTop);
            d->findChild<QCheckBox*>("fromLeft")->setChecked(fromLeft);
            d->findChild<QPushButton*>("ok")->click();
        });
        panel->command(cmd::Resize);
        EXPECT_TRUE(answer.ran());
    }
    // A 4 x 4 document of -1 after copying the 3 x 3 block 0 1 2 / 10 11 12 / 20 21 22.
    void copyThreeByThreeIntoFreshDocument() {
        open(3, 3);
        panel->command(cmd::MarkAll);
        panel->command(cmd::Copy);
        open(4, 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) doc->setCellText(r, c, "-1");
        grid()->layout();
    }
};

TEST_F(BlockTest, CopyTakesTheMarkedBlockAndLeavesOnlyTheCursorMarked) {
    open(4, 4);
    drag(2, 3, 1, 1);
    panel->command(cmd::Copy);
    const matrix<reel>* b = CopyBuffer<reel>::get();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->rows(), 2);
    EXPECT_EQ(b->cols(), 3);
    EXPECT_EQ(b->at(0, 0).whole, 11);
    EXPECT_EQ(b->at(1, 2).whole, 23);
    EXPECT_TRUE(marked(2, 3, 2, 3));

    panel->command(cmd::MarkAll);
    grid()->setCursor(0, 0);
    panel->command(cmd::Copy); // the cursor cell alone
    EXPECT_EQ(CopyBuffer<reel>::get()->rows(), 1);
    EXPECT_EQ(CopyBuffer<reel>::get()->cols(), 1);
}

struct PasteCase {
    int corner, row, col;
    const char* result;
};
void PrintTo(const PasteCase& k, std::ostream* os) {
    *os << "corner " << k.corner << " at " << k.row << "," << k.col;
}

class PasteCorners : public BlockTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(PasteCorners, TheChosenCornerOfTheBufferLiesOnTheCursor) {
    const PasteCase& k = GetParam();
    copyThreeByThreeIntoFreshDocument();
    grid()->setCursor(k.row, k.col);
    paste(k.corner);
    EXPECT_EQ(picture(*doc), k.result);
    EXPECT_EQ(cursor(), std::make_pair(k.row, k.col));
    EXPECT_EQ(host.modified, 1);
}

INSTANTIATE_TEST_SUITE_P(
    AllCorners, PasteCorners,
    testing::Values(
        PasteCase{0, 1, 1, "-1 -1 -1 -1 / -1 0 1 2 / -1 10 11 12 / -1 20 21 22"},
        PasteCase{1, 1, 2, "-1 -1 -1 -1 / 0 1 2 -1 / 10 11 12 -1 / 20 21 22 -1"},
        PasteCase{2, 2, 1, "-1 0 1 2 / -1 10 11 12 / -1 20 21 22 / -1 -1 -1 -1"},
        PasteCase{3, 2, 2, "0 1 2 -1 / 10 11 12 -1 / 20 21 22 -1 / -1 -1 -1 -1"},
        // Cut off at the edges: only what falls inside the matrix is pasted.
        PasteCase{0, 3, 3, "-1 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 0"},
        PasteCase{3, 0, 0, "22 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 -1"},
        PasteCase{1, 3, 0, "-1 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 -1 / 2 -1 -1 -1"},
        PasteCase{2, 0, 3, "-1 -1 -1 20 / -1 -1 -1 -1 / -1 -1 -1 -1 / -1 -1 -1 -1"},
        PasteCase{1, 0, 1, "1 2 -1 -1 / 11 12 -1 -1 / 21 22 -1 -1 / -1 -1 -1 -1"},
        PasteCase{2, 1, 2, "-1 -1 10 11 / -1 -1 20 21 / -1 -1 -1 -1 / -1 -1 -1 -1"}));

TEST_F(BlockTest, HelpAndCancelInThePasteDialogOrPastingTheSameValuesChangeNothing) {
    open(2, 2);
    panel->command(cmd::Copy);
    {
        ModalDriver cancel([](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Einfügen"));
            EXPECT_TRUE(d->findChild<QRadioButton*>("corner0")->isChecked());
            d->findChild<QPushButton*>("help")->click();
            EXPECT_TRUE(d->isVisible());
            d->findChild<QPushButton*>("cancel")->click();
        });
        grid()->setCursor(1, 1);
        panel->command(cmd::Paste);
    }
    EXPECT_EQ(prompts.helpContexts, std::vector<int>{305});
    EXPECT_EQ(cell(1, 1), "11");
    grid()->setCursor(0, 0);
    paste(0);
    EXPECT_EQ(host.modified, 0);
}

TEST_F(BlockTest, AFractionBlockCannotBePastedIntoAFloatDocument) {
    open(2, 2);
    panel->command(cmd::Copy);
    open(2, 2, false);
    panel->command(cmd::Paste);
    panel->command(cmd::OpenBuffer);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text,
              QString::fromUtf8("Keine Matrix des entspechendes Typus im Zwischenablage. "
                                "Führen Sie zuerst eine Kopieroperation durch"));
    EXPECT_EQ(prompts.messages[0].caption, "Langsam...");
    EXPECT_EQ(prompts.messages[0].style, MessageStyle::Information);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(host.modified, 0);
}

TEST_F(BlockTest, OpenBufferHandsANewDocumentWithItsOwnProtocolToTheWindow) {
    open(3, 3, false);
    drag(1, 1, 2, 2);
    panel->command(cmd::Copy);
    panel->command(cmd::OpenBuffer);
    ASSERT_EQ(host.opened.size(), 1u);
    const MatrixObject& m = *host.opened[0];
    EXPECT_EQ(m.kind(), MatrixObject::Float);
    EXPECT_EQ(picture(m), "11 12 / 21 22");
    EXPECT_EQ(dynamic_cast<const MatrixFloat&>(m).prot, host.protocols[0].get());
    EXPECT_NE(CopyBuffer<double>::get(), nullptr); // the buffer stays
}

TEST_F(BlockTest, ResizeAddsAndRemovesAtEitherEdge) {
    open(2, 2);
    grid()->setCursor(1, 1);
    resizeTo("3", "3", true, true);
    EXPECT_EQ(picture(*doc), "0 0 0 / 0 0 1 / 0 10 11");
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(host.captions, 1);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(grid()->columnCount(), 3);
    resizeTo("2", "2", false, false);
    EXPECT_EQ(picture(*doc), "0 0 / 0 0");
    resizeTo("2", "2", true, true); // the same size: no change
    EXPECT_EQ(host.modified, 2);
    EXPECT_EQ(host.captions, 3);
}

TEST_F(BlockTest, TheSizeDialogProposesTheSizeAndRefusesCountsOutOfRange) {
    open(2, 7);
    ModalDriver answer([](QDialog* d) {
        auto* rows = d->findChild<QLineEdit*>("rows");
        EXPECT_EQ(rows->text(), "2");
        EXPECT_EQ(d->findChild<QLineEdit*>("cols")->text(), "7");
        EXPECT_FALSE(d->findChild<QCheckBox*>("fromTop")->isChecked());
        d->findChild<QPushButton*>("help")->click();
        rows->setText("0");
        d->findChild<QPushButton*>("ok")->click();
        EXPECT_TRUE(d->isVisible());
        rows->clear();
        QTest::keyClicks(rows, "1000");
        EXPECT_EQ(rows->text(), "100");
        d->findChild<QPushButton*>("ok")->click();
    });
    panel->resizeButton()->click(); // the button opens the same dialog as the menu
    EXPECT_EQ(prompts.helpContexts, std::vector<int>{304});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.lastText(), "Value is not in the range 1 to 999.");
    EXPECT_EQ(doc->rows(), 100);
    EXPECT_EQ(doc->cols(), 7);
}

TEST_F(BlockTest, TransposeTurnsTheMatrixAndPutsTheCursorHome) {
    open(2, 3);
    grid()->setCursor(1, 2);
    panel->command(cmd::Transpose);
    EXPECT_EQ(picture(*doc), "0 10 / 1 11 / 2 12");
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(host.captions, 1);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(grid()->columnCount(), 2);

    open(1, 1); // the transpose of a 1 x 1 matrix is itself
    panel->command(cmd::Transpose);
    EXPECT_EQ(host.modified, 1);
}
