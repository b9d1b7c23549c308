// Undo in the document window with its modified state and close question,
// and the new file and clipboard commands, as a person meets them.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTest>
#include <QUndoStack>

#include "appfixture.h"
#include "editmain.h"
#include "enteredit.h"
#include "matrixedit.h"

namespace {

// Types a value into the source view's cell (r, c) and presses Enter.
void enter(SDIDecFrame* w, int r, int c, const QString& text) {
    auto* editor = qobject_cast<editmain*>(w->widget());
    ASSERT_TRUE(editor);
    editor->grid()->setCursor(r, c);
    editor->entry()->selectAll();
    QTest::keyClicks(editor->entry(), text);
    QTest::keyClick(editor->entry(), Qt::Key_Return);
}

} // namespace

TEST_F(AppTest, UndoBackToTheSavedStateClearsTheModifiedMark) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    EXPECT_FALSE(enabled(cmd::Undo));
    enter(w, 0, 0, "9");
    EXPECT_TRUE(w->isModified());
    EXPECT_TRUE(run(cmd::Undo));
    EXPECT_EQ(elements(w->source()), "1\t2\t\n3\t4\t\n");
    EXPECT_FALSE(w->isModified());
    EXPECT_TRUE(run(cmd::Redo));
    EXPECT_TRUE(w->isModified());

    // Saved with the 9: undoing now leaves the saved state, redoing returns to it.
    ASSERT_TRUE(run(cmd::Save));
    EXPECT_FALSE(w->isModified());
    run(cmd::Undo);
    EXPECT_TRUE(w->isModified());
    run(cmd::Redo);
    EXPECT_FALSE(w->isModified());
    EXPECT_EQ(read(path("a.mtx")), "2\t2\r\n9\t2\t\r\n3\t4\t\r\n");
}

TEST_F(AppTest, TheCloseQuestionFollowsTheRealState) {
    start();
    SDIDecFrame* w = open("a.mtx", "1\t2\r\n1\t2\t\r\n");
    enter(w, 0, 1, "5");
    enter(w, 0, 0, "6");
    run(cmd::Undo);
    run(cmd::Undo);
    w->close(); // back where the file is: closes without a question
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(windows().isEmpty());

    // A new matrix was never saved: undo does not spare the question.
    SDIDecFrame* fresh = newMatrix(1, 1);
    enter(fresh, 0, 0, "1");
    run(cmd::Undo);
    prompts.answers = {prompts::Cancel};
    fresh->close();
    EXPECT_EQ(lastCaption(), "Momentmal..");
    EXPECT_EQ(windows().size(), 1);
}

TEST_F(AppTest, UndoKeysWorkInTheSourceViewOnly) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    run(cmd::Transpose);
    main().findChild<QShortcut*>("acceleratorCtrl+Z")->activated();
    EXPECT_EQ(elements(w->source()), "1\t2\t\n3\t4\t\n");
    main().findChild<QShortcut*>("acceleratorCtrl+Shift+Z")->activated();
    EXPECT_EQ(elements(w->source()), "1\t3\t\n2\t4\t\n");
    main().findChild<QShortcut*>("acceleratorCtrl+Z")->activated();
    main().findChild<QShortcut*>("acceleratorCtrl+Y")->activated();
    EXPECT_EQ(elements(w->source()), "1\t3\t\n2\t4\t\n");
    // Typed in the entry line, the undo and clipboard keys are the window's,
    // not the line's.
    auto* editor = qobject_cast<editmain*>(w->widget());
    using Keys = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    for (auto [k, m] : {Keys{Qt::Key_Z, Qt::ControlModifier}, Keys{Qt::Key_Y, Qt::ControlModifier},
                        Keys{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                        Keys{Qt::Key_C, Qt::ControlModifier}, Keys{Qt::Key_V, Qt::ControlModifier}}) {
        QKeyEvent e(QEvent::ShortcutOverride, k, m, QString(QChar(k - Qt::Key_A + 1)));
        QApplication::sendEvent(editor->entry(), &e);
        EXPECT_FALSE(e.isAccepted());
    }

    run(cmd::Gauss); // the result view: undo waits for the source view
    EXPECT_FALSE(enabled(cmd::Undo));
    EXPECT_FALSE(enabled(cmd::PasteClipboard));
    run(cmd::ViewSource);
    EXPECT_TRUE(enabled(cmd::Undo));
}

TEST_F(AppTest, OpenFromTheClipboardMakesAnUntitledMatrixOfTheRightKind) {
    start();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("1/3\t-1 1/2\n0,25\t7\n"));
    ASSERT_TRUE(run(cmd::OpenClipboard)); // no window needed
    ASSERT_EQ(windows().size(), 1);
    EXPECT_EQ(active()->source().kind(), MatrixObject::Exact);
    EXPECT_EQ(elements(active()->source()), "1/3\t-1/1/2\t\n1/4\t7\t\n");
    EXPECT_TRUE(active()->isUntitled());

    QGuiApplication::clipboard()->setText("Name\tWert\n");
    run(cmd::OpenClipboard);
    EXPECT_EQ(windows().size(), 1);
    EXPECT_EQ(prompts.lastText(),
              QString::fromUtf8("Der Inhalt der Zwischenablage kann nicht geöffnet werden.\n"
                                "Zeile 1, Spalte 1: \"Name\" ist keine Zahl."));
}

TEST_F(AppTest, CsvExportAndImportRoundTripWithoutTouchingTheDocumentsFile) {
    start();
    SDIDecFrame* w = open("m.mtx", "2\t2\r\n-1/1/3\t2\t\r\n0\t1/7\t\r\n");
    prompts.files = {path("m.csv")};
    ASSERT_TRUE(run(cmd::ExportCsv));
    EXPECT_EQ(prompts.proposed.back().fileName, path("m.csv"));
    EXPECT_EQ(prompts.proposed.back().defaultExtension, "csv");
    EXPECT_EQ(read(path("m.csv")), QString::fromUtf8("-1 1\u20443;2\r\n0;1\u20447\r\n").toUtf8());
    EXPECT_FALSE(w->isModified());
    EXPECT_EQ(w->fileData().fileName, path("m.mtx"));

    prompts.files = {path("m.csv")};
    ASSERT_TRUE(run(cmd::ImportCsv));
    ASSERT_EQ(windows().size(), 2);
    EXPECT_EQ(elements(active()->source()), elements(w->source()));
    EXPECT_TRUE(active()->isUntitled()); // Save must not write a matrix file over the CSV

    prompts.files = {write("bad.csv", "1;2\n3;4 Stück\n")};
    run(cmd::ImportCsv);
    EXPECT_EQ(windows().size(), 2);
    EXPECT_EQ(lastCaption(), "OH NO");
    EXPECT_TRUE(prompts.lastText().endsWith("Zeile 2, Spalte 2: \"4 Stück\" ist keine Zahl."));
}

TEST_F(AppTest, ProtocolExportWritesLatexOrHtmlByTheChosenName) {
    start();
    open("s.mtx", "6\t3\r\n-1\t0\t-4\t\r\n0\t-1\t-3\t\r\n-1\t-1\t-5\t\r\n"
                  "1\t0\t0\t\r\n0\t1\t0\t\r\n3\t2\t0\t\r\n");
    EXPECT_FALSE(enabled(cmd::ExportProtocol)); // nothing run yet
    run(cmd::Simplex);
    prompts.files = {path("s.tex"), path("s.html")};
    ASSERT_TRUE(run(cmd::ExportProtocol));
    EXPECT_EQ(prompts.dialogTitles.back(), "Protokoll exportieren");
    EXPECT_EQ(prompts.proposed.back().fileName, path("s.tex"));
    EXPECT_TRUE(read(path("s.tex")).startsWith("\\documentclass"));
    EXPECT_TRUE(read(path("s.tex")).contains("\\begin{pmatrix}"));
    run(cmd::ExportProtocol);
    const QByteArray html = read(path("s.html"));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("<title>s: (6 x 3)  : Ergebniss - Simplex</title>"));

    prompts.files = {path("no/such/folder/x.tex")};
    run(cmd::ExportProtocol);
    EXPECT_EQ(prompts.lastText(), "Das Protokoll konnte nicht gespeichert werden");
}
