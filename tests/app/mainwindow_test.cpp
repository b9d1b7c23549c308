// Start-up, the main window's menus, tool bar and accelerators, new matrices
// and the window commands.
#include <QMenuBar>
#include <QShortcut>
#include <QTest>
#include <QToolBar>

#include "appfixture.h"

namespace {

QStringList visibleMenus(MainFrame& w) {
    QStringList out;
    for (QAction* a : w.menuBar()->actions())
        if (a->isVisible()) out << a->text();
    return out;
}

} // namespace

TEST_F(AppTest, WithoutFilesTheEmptyMainWindowOffersOnlyWhatNeedsNoDocument) {
    start();
    EXPECT_EQ(main().windowTitle(), "Lineon");
    EXPECT_EQ(visibleMenus(main()), QStringList({"&Datei", "&Optionen", "&Fenster", "&Hilfe"}));
    for (int id : {cmd::Save, cmd::SaveAs, cmd::SaveResult, cmd::SaveProtocol, cmd::Print,
                   cmd::ViewSource, cmd::Gauss, cmd::Multiplikation, cmd::AlgorithmHelp, cmd::Copy,
                   cmd::Cascade, cmd::CloseAll})
        EXPECT_FALSE(enabled(id)) << id;
    for (int id : {cmd::New, cmd::Open, cmd::Help, cmd::Exit, cmd::Options, cmd::PageSetup,
                   cmd::About})
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(AppTest, TheToolBarHasTenButtonsAndThreeSeparatorsWithHints) {
    start();
    const std::vector<int> expected = {
        cmd::New,        cmd::Open, cmd::Save, cmd::Print, 0, cmd::ViewSource, cmd::ViewProtocol,
        cmd::ViewResult, 0,         cmd::Copy, cmd::Paste, 0, cmd::About};
    std::vector<int> shown;
    for (QAction* a : main().toolBar()->actions()) {
        shown.push_back(a->isSeparator() ? 0 : a->data().toInt());
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(main().action(cmd::SaveAs)->statusTip(),
              "Ausgansmatrix unter einem geänderten Namen speichern");
    EXPECT_EQ(main().action(cmd::SaveResult)->text(), "&Ergebnis speichern ");
    EXPECT_TRUE(main().action(cmd::Gauss)->statusTip().isEmpty());
}

TEST_F(AppTest, CommandLineFilesOpenLastToFirstSoTheFirstIsActive) {
    const QString a = write("a.mtx", "2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    const QString b = write("b.alt.mtx", "FLOAT1\t3\n1\t2\t3\t\n");
    const QString bad = write("kaputt.mtx", "FLO");
    start({a, bad, b, QString(300, 'x')});

    ASSERT_EQ(windows().size(), 2);
    EXPECT_EQ(windows()[0]->windowTitle(), "b: (1 x 3)  : Ausgangsmatrix");
    EXPECT_EQ(active()->windowTitle(), "a: (2 x 2)  : Ausgangsmatrix");
    EXPECT_TRUE(prompts.messages.empty()); // unreadable files are skipped quietly
    EXPECT_FALSE(active()->isUntitled());
    EXPECT_FALSE(active()->isModified());
    EXPECT_EQ(visibleMenus(main()),
              QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "&Algorithmen", "&Optionen",
                           "&Fenster", "&Hilfe"}));
}

TEST_F(AppTest, NewMatricesAreNumberedForTheWholeRun) {
    start();
    newMatrix(3, 4);
    newMatrix(1, 1, true);
    newMatrix(2, 2);
    QStringList captions;
    for (SDIDecFrame* w : windows())
        captions << w->windowTitle();
    EXPECT_EQ(captions, QStringList({"noname0: (3 x 4)  : Ausgangsmatrix",
                                     "noname1: (1 x 1)  : Ausgangsmatrix",
                                     "noname2: (2 x 2)  : Ausgangsmatrix"}));
    EXPECT_EQ(windows()[1]->source().kind(), MatrixObject::Float);
    EXPECT_EQ(windows()[0]->source().kind(), MatrixObject::Exact);
    EXPECT_TRUE(windows()[0]->isUntitled());
    EXPECT_TRUE(windows()[0]->isModified());

    prompts.answers = {prompts::No, prompts::No, prompts::No};
    ASSERT_TRUE(run(cmd::CloseAll));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows().isEmpty());
    newMatrix(1, 2);
    EXPECT_EQ(active()->windowTitle(), "noname3: (1 x 2)  : Ausgangsmatrix");
}

TEST_F(AppTest, TheNewMatrixDialogChecksItsRangeOnOk) {
    start();
    bool stayedOpen = false;
    ModalDriver driver([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Größe der neuen Matrix definieren");
        auto* rows = d->findChild<QLineEdit*>("rows");
        auto* cols = d->findChild<QLineEdit*>("columns");
        EXPECT_TRUE(rows->text().isEmpty());
        d->findChild<QPushButton*>("ok")->click(); // both empty
        rows->setText("0");
        cols->setText("5");
        d->findChild<QPushButton*>("ok")->click();
        stayedOpen = d->isVisible();
        d->findChild<QPushButton*>("help")->click();
        QTest::keyClicks(rows, "1234"); // a fourth digit cannot be typed
        EXPECT_EQ(rows->text(), "123"); // the refused field was selected
        rows->setText("999");
        cols->setText("999");
        d->findChild<QCheckBox*>("floating")->setChecked(true);
        d->findChild<QPushButton*>("ok")->click();
    });
    ASSERT_TRUE(run(cmd::New));
    EXPECT_TRUE(stayedOpen);
    ASSERT_GE(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].text, "Value is not in the range 1 to 999.");
    EXPECT_EQ(prompts.helpContexts, std::vector<int>{306});
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(active()->source().rows(), 999);
    EXPECT_EQ(active()->source().kind(), MatrixObject::Float);
}

TEST_F(AppTest, ANewWindowOpensMaximizedWhenTheActiveOneIs) {
    start();
    newMatrix(2, 2)->showMaximized();
    EXPECT_TRUE(newMatrix(3, 3)->isMaximized());
}

TEST_F(AppTest, TheWindowMenuListsTheOpenWindows) {
    start();
    newMatrix(2, 2);
    newMatrix(3, 3);
    main().updateCommandStates();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList entries;
    for (QAction* a : main().findChildren<QAction*>("windowListEntry"))
        entries << a->text() + (a->isChecked() ? " *" : "");
    EXPECT_EQ(entries, QStringList({"&1 noname0: (2 x 2)  : Ausgangsmatrix",
                                    "&2 noname1: (3 x 3)  : Ausgangsmatrix *"}));
    EXPECT_TRUE(enabled(cmd::Tile));
}

TEST_F(AppTest, AcceleratorsReachTheirCommands) {
    start();
    const QList<QShortcut*> shortcuts = main().findChildren<QShortcut*>();
    QStringList keys;
    for (QShortcut* s : shortcuts)
        keys << s->key().toString();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"Ctrl+C", "Ctrl+Shift+Z", "Ctrl+V", "Ctrl+Y", "Ctrl+Z", "F1",
                                 "F2", "F3", "F4"}));

    // F1 works without a document; F3 does nothing before a run.
    main().findChild<QShortcut*>("acceleratorF1")->activated();
    EXPECT_EQ(prompts.helpContexts, std::vector<int>{0});
    SDIDecFrame* w = open("a.mtx", "2\t2\r\n2\t1\t\r\n1\t1\t\r\n");
    main().findChild<QShortcut*>("acceleratorF3")->activated();
    EXPECT_EQ(w->view(), DocumentView::Source);
    run(cmd::Gauss);
    main().findChild<QShortcut*>("acceleratorF4")->activated();
    EXPECT_EQ(w->view(), DocumentView::Protocol);
    main().findChild<QShortcut*>("acceleratorF2")->activated();
    EXPECT_EQ(w->view(), DocumentView::Source);
}
