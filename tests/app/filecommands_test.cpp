// Saving, opening and the close question, as a person meets them.
#include "appfixture.h"

#include "stringtable.h"

TEST_F(AppTest, SaveOfANewMatrixAsksForANameThenSavesWithoutAsking) {
    start();
    SDIDecFrame* w = newMatrix(2, 2);
    const QString file = path("a.mtx");
    prompts.files = {file};
    ASSERT_TRUE(run(cmd::Save));

    ASSERT_EQ(prompts.dialogTitles.size(), 1u);
    EXPECT_EQ(prompts.dialogTitles[0], "Ausgangsmatrix Speichern");
    EXPECT_EQ(prompts.proposed[0].fileName, "noname0.mat");
    EXPECT_EQ(prompts.proposed[0].filterIndex, 0);
    EXPECT_EQ(prompts.proposed[0].filter,
              "Matrix Dateien|*.mtx|alte Matrix Dateien(*.mat)|*.mat|Text(*.txt)|*.txt|"
              "Alle Dateien(*.*)|*.*");
    EXPECT_EQ(read(file), "2\t2\r\n0\t0\t\r\n0\t0\t\r\n");
    EXPECT_EQ(w->windowTitle(), "a: (2 x 2)  : Ausgangsmatrix");

    // Edited and saved again: no dialog, the same file.
    w->setModified();
    ASSERT_TRUE(run(cmd::Save));
    EXPECT_EQ(prompts.dialogTitles.size(), 1u);
    EXPECT_FALSE(w->isModified());
}

TEST_F(AppTest, SavingTheResultLeavesTheSourcesFileAlone) {
    start();
    SDIDecFrame* w = newMatrix(2, 2);
    run(cmd::Gauss);
    prompts.files = {path("r.mtx")};
    ASSERT_TRUE(run(cmd::SaveResult));

    EXPECT_EQ(prompts.dialogTitles.back(), "Ergebnis Speichern");
    EXPECT_EQ(prompts.proposed.back().fileName, "noname0.mat");
    EXPECT_EQ(read(path("r.mtx")), "2\t2\r\n0\t0\t\r\n0\t0\t\r\n");
    EXPECT_TRUE(w->isUntitled());
    EXPECT_TRUE(w->isModified());
    EXPECT_EQ(w->fileData().fileName, "noname0.mat");

    // A later Save still asks where the source goes.
    prompts.files = {path("s.mtx")};
    run(cmd::Save);
    EXPECT_EQ(prompts.dialogTitles.back(), "Ausgangsmatrix Speichern");
}

TEST_F(AppTest, AFailedSaveAsKeepsTheOldNameAndFlags) {
    start();
    SDIDecFrame* w = open("a.mtx", "1\t1\r\n5\t\r\n");
    w->setModified();
    prompts.files = {path("fehlt/b.mtx")};
    ASSERT_TRUE(run(cmd::SaveAs));
    EXPECT_EQ(prompts.lastText(), "Dokument-Schreibfehler.");
    EXPECT_EQ(lastCaption(), "OH NO");
    EXPECT_EQ(w->windowTitle(), "a: (1 x 1)  : Ausgangsmatrix");
    EXPECT_EQ(w->fileData().fileName, path("a.mtx"));
    EXPECT_TRUE(w->isModified());
    EXPECT_EQ(read(path("a.mtx")), "1\t1\r\n5\t\r\n");
}

TEST_F(AppTest, TheProtocolIsSavedAsText) {
    start();
    open("a.mtx", "1\t2\r\n2\t4\t\r\n");
    run(cmd::Gauss);
    prompts.files = {path("p.txt")};
    ASSERT_TRUE(run(cmd::SaveProtocol));
    EXPECT_EQ(prompts.proposed.back().filter, "Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*");
    EXPECT_EQ(prompts.proposed.back().defaultExtension, "txt");
    EXPECT_EQ(read(path("p.txt")), "Gauss von\r\n2\t4\t\r\n");

    prompts.files = {path("fehlt/p.txt")};
    run(cmd::SaveProtocol);
    EXPECT_EQ(prompts.lastText(), "Das Protokoll konnte nicht gespeichert werden");
    EXPECT_EQ(lastCaption(), "OH NO");
}

TEST_F(AppTest, OpenReportsFilesThatAreNoMatrix) {
    start();
    prompts.files = {write("kurz.mtx", "1\t")};
    ASSERT_TRUE(run(cmd::Open));
    EXPECT_EQ(prompts.lastText(), "Dokument kann nicht geöffnet werden.");
    EXPECT_EQ(lastCaption(), "OH NO");
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(prompts.proposed[0].mustExist);
    EXPECT_TRUE(prompts.proposed[0].fileName.isEmpty());

    run(cmd::Open); // cancelled: nothing
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(AppTest, TheCloseQuestionComesForNewAndChangedDocumentsOnly) {
    start();
    SDIDecFrame* unchanged = open("a.mtx", "1\t1\r\n5\t\r\n");
    unchanged->close();
    EXPECT_TRUE(prompts.messages.empty());

    SDIDecFrame* fresh = newMatrix(2, 3);
    prompts.answers = {prompts::Cancel};
    fresh->close();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.lastText(), "Die Matrix (2 * 3) als Bruchzahlen\nnoname0.mat\nwurde "
                                  "verändert oder nicht gespeichert.\n\n Wollen Sie die "
                                  "Änderungen speichern?");
    EXPECT_EQ(lastCaption(), "Momentmal..");
    EXPECT_EQ(prompts.messages.back().style, MessageStyle::YesNoCancelQuestion);
    EXPECT_TRUE(fresh->isVisible());

    // Yes, then the name dialog is cancelled: still open.
    prompts.answers = {prompts::Yes};
    fresh->close();
    EXPECT_TRUE(fresh->isVisible());

    // Yes and a name: saved, then closed.
    prompts.answers = {prompts::Yes};
    prompts.files = {path("neu.mtx")};
    fresh->close();
    EXPECT_EQ(read(path("neu.mtx")), "2\t3\r\n0\t0\t0\t\r\n0\t0\t0\t\r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows().isEmpty());

    SDIDecFrame* changed = open("b.mtx", "FLOAT1\t1\r\n2\t\r\n");
    changed->setModified();
    prompts.answers = {prompts::No};
    changed->close();
    EXPECT_TRUE(
        prompts.lastText().startsWith("Die Matrix (1 * 1) als Gleitkommazahlen\n" + path("b.mtx")));
    EXPECT_EQ(read(path("b.mtx")), "FLOAT1\t1\r\n2\t\r\n");
}

TEST_F(AppTest, ShutDownStopsAtTheFirstRefusal) {
    start();
    SDIDecFrame* first = open("a.mtx", "1\t1\r\n1\t\r\n");
    SDIDecFrame* second = open("b.mtx", "1\t1\r\n2\t\r\n");
    first->setModified();
    second->setModified();
    write("a.mtx", "1\t1\r\n0\t\r\n"); // so that saving shows

    prompts.answers = {prompts::Yes, prompts::Cancel};
    ASSERT_TRUE(run(cmd::Exit));
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(windows().size(), 2);
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(read(path("a.mtx")), "1\t1\r\n1\t\r\n");
    EXPECT_FALSE(first->isModified());

    prompts.answers = {prompts::No};
    ASSERT_TRUE(run(cmd::Exit));
    EXPECT_FALSE(main().isVisible());
}
