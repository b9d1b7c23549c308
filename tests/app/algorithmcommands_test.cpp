// The "&Algorithmen" menu as a person uses it: each command from its menu
// entry, with the caption, view and message it leads to.
#include "appfixture.h"

#include "algorithmcommand.h"

namespace {

struct Case {
    const char* name;
    QByteArray file;
    int command;
    const char* caption; // after the run
    DocumentView view;
    const char* message; // empty: none
    const char* messageCaption;
    std::string result; // elements of the result; "-" when not checked
};

const QByteArray system3x4 = "3\t4\r\n2\t1\t-1\t8\t\r\n-3\t-1\t2\t-11\t\r\n-2\t1\t2\t-3\t\r\n";
const QByteArray simplexInput =
    "6\t3\r\n-1\t0\t-4\t\r\n0\t-1\t-3\t\r\n-1\t-1\t-5\t\r\n1\t0\t0\t\r\n0\t1\t0\t\r\n3\t2\t0\t\r\n";

const Case cases[] = {
    {"Gauss", system3x4, cmd::Gauss, "a: (3 x 4)  : Ergebniss - Gauss", DocumentView::Result, "",
     "", "2\t1\t-1\t8\t\n0\t1/2\t1/2\t1\t\n0\t0\t-1\t1\t\n"},
    {"GaussJordan", "2\t3\r\n2\t4\t2\t\r\n1\t3\t2\t\r\n", cmd::GaussJordan,
     "a: (2 x 3)  : Ergebniss - Gauss-Jordan", DocumentView::Result, "", "",
     "1\t0\t-1\t\n0\t1\t1\t\n"},
    {"Loesung", system3x4, cmd::Loesung, "a: (3 x 4)  : Ergebniss - Lösung", DocumentView::Result,
     "", "", "2\t\n3\t\n-1\t\n"},
    {"LoesungWithoutSolution", "2\t3\r\n1\t2\t0\t\r\n2\t4\t1\t\r\n", cmd::Loesung,
     "a: (2 x 3)  : Protokoll - Lösung", DocumentView::Protocol, "Es gibt keine Lösung zur Matrix",
     "Kein Ergebniss", ""},
    {"Determinante", "3\t3\r\n1\t2\t3\t\r\n4\t5\t6\t\r\n7\t8\t10\t\r\n", cmd::Determinante,
     "a: (3 x 3)  : Ergebniss - Determinante", DocumentView::Result, "", "", "-3\t\n"},
    {"Bild", "2\t3\r\n1\t2\t3\t\r\n2\t4\t7\t\r\n", cmd::Bild, "a: (2 x 3)  : Ergebniss - Bild",
     DocumentView::Result, "", "", "1\t3\t\n2\t7\t\n"},
    {"Kern", "2\t2\r\n1\t2\t\r\n2\t4\t\r\n", cmd::Kern, "a: (2 x 2)  : Ergebniss - Kern",
     DocumentView::Result, "", "", "-2\t\n1\t\n"},
    {"Inverse", "2\t2\r\n2\t1\t\r\n1\t1\t\r\n", cmd::Inverse, "a: (2 x 2)  : Ergebniss - Inverse",
     DocumentView::Result, "", "", "1\t-1\t\n-1\t2\t\n"},
    {"InverseOfSingular", "2\t2\r\n1\t2\t\r\n2\t4\t\r\n", cmd::Inverse,
     "a: (2 x 2)  : Protokoll - Inverse", DocumentView::Protocol,
     "Die Matrix ist nicht invertierbar", "Kein Ergebniss", ""},
    {"Naehrungsloesung", "3\t2\r\n1\t1\t\r\n1\t2\t\r\n1\t4\t\r\n", cmd::Naehrungsloesung,
     "a: (3 x 2)  : Ergebniss - Nährungslösung", DocumentView::Result, "", "", "2/1/3\t\n"},
    {"Eckenfindung",
     "6\t3\r\n-1\t0\t4\t\r\n0\t-1\t3\t\r\n-1\t-1\t5\t\r\n1\t0\t0\t\r\n0\t1\t0\t\r\n3\t2\t0\t\r\n",
     cmd::Eckenfindung, "a: (6 x 3)  : Ergebniss - Eckenfindung", DocumentView::Result, "", "",
     "-"},
    {"Simplex", simplexInput, cmd::Simplex, "a: (6 x 3)  : Ergebniss - Simplex",
     DocumentView::Result, "", "", "4\t\n1\t\n"},
    {"SimplexWithoutOptimum", "2\t2\r\n1\t0\t\r\n1\t0\t\r\n", cmd::Simplex,
     "a: (2 x 2)  : Protokoll - Simplex", DocumentView::Protocol,
     "Es gibt keine optimale Lösung zum Simplex", "Kein Ergebniss", ""},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class EachAlgorithm : public AppTest, public testing::WithParamInterface<Case> {};

} // namespace

TEST_P(EachAlgorithm, RunsFromItsMenuEntry) {
    const Case& c = GetParam();
    start();
    SDIDecFrame* w = open("a.mtx", c.file);
    ASSERT_NE(w, nullptr);
    const std::string sourceBefore = elements(w->source());
    ASSERT_TRUE(run(c.command));

    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(w->view(), c.view);
    if (*c.message) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.lastText(), QString::fromUtf8(c.message));
        EXPECT_EQ(lastCaption(), QString::fromUtf8(c.messageCaption));
        EXPECT_EQ(w->result()->rows(), 0);
    } else {
        EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText().toStdString();
    }
    if (c.result != "-") {
        EXPECT_EQ(elements(*w->result()), c.result);
    }
    EXPECT_TRUE(w->hasResult()); // an empty result counts as a result too
    EXPECT_EQ(elements(w->source()), sourceBefore);
    EXPECT_FALSE(w->isModified()); // runs never touch the source
}

INSTANTIATE_TEST_SUITE_P(AppTest, EachAlgorithm, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, ShapeChecksRefuseAndChangeNothing) {
    start();
    SDIDecFrame* w =
        open("a.mtx", "3\t5\r\n1\t0\t0\t0\t0\t\r\n0\t1\t0\t0\t0\t\r\n0\t0\t1\t0\t0\t\r\n");
    run(cmd::Gauss);
    const QString caption = w->windowTitle();

    ASSERT_TRUE(run(cmd::Determinante));
    EXPECT_EQ(prompts.lastText(),
              "Es werden nur Determinanten aus n*n evntl. n*(n+1) Matrizen ausgerechnet");
    EXPECT_EQ(lastCaption(), "Schwachsinn");
    EXPECT_EQ(prompts.messages.back().style, MessageStyle::Ok);

    prompts.answers = {prompts::Cancel};
    ASSERT_TRUE(run(cmd::Inverse));
    EXPECT_EQ(prompts.lastText(), "Man kann nur n*n Matrizen inveriernen");
    EXPECT_EQ(prompts.messages.back().style, MessageStyle::OkCancel);

    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->algorithm(), AlgorithmCommand::Gauss);
    EXPECT_EQ(w->view(), DocumentView::Result);
}

TEST_F(AppTest, PivotiereAsksForAPositionWithinTheMatrix) {
    start();
    SDIDecFrame* w = open("p.mtx", "4\t7\r\n2\t4\t0\t0\t0\t0\t0\t\r\n1\t3\t0\t0\t0\t0\t0\t\r\n");
    run(cmd::Gauss);

    // Cancelled: nothing happens, the earlier result stays.
    {
        ModalDriver cancel([](QDialog* d) { d->findChild<QPushButton*>("cancel")->click(); });
        run(cmd::Pivotiere);
    }
    EXPECT_EQ(w->algorithm(), AlgorithmCommand::Gauss);
    EXPECT_EQ(w->view(), DocumentView::Result);

    ModalDriver driver([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Pivotiere an der Stelle");
        EXPECT_EQ(d->findChild<QLineEdit*>("maxRow")->text(), "Max.4");
        EXPECT_EQ(d->findChild<QLineEdit*>("maxColumn")->text(), "Max.7");
        d->findChild<QLineEdit*>("row")->setText("5");
        d->findChild<QLineEdit*>("column")->setText("1");
        d->findChild<QPushButton*>("ok")->click();
        EXPECT_TRUE(d->isVisible());
        d->findChild<QLineEdit*>("row")->setText("1");
        d->findChild<QPushButton*>("ok")->click();
    });
    ASSERT_TRUE(run(cmd::Pivotiere));
    EXPECT_EQ(prompts.lastText(), "Value is not in the range 1 to 4.");
    EXPECT_EQ(w->windowTitle(), "p: (4 x 7)  : Ergebniss - Pivotiere");
    EXPECT_EQ(protocolText(w->protocol()).substr(0, 29), "Ausgangmatrix zum Pivotieren\n");
    EXPECT_EQ(elements(*w->result()).substr(0, 15), "1\t0\t0\t0\t0\t0\t0\t\n");
}

TEST_F(AppTest, AnOverflowShowsTheProtocolAndTheFloatingPointCopySucceeds) {
    start();
    SDIDecFrame* exact = open("gross.mtx", "2\t2\r\n100000\t1\t\r\n1\t100000\t\r\n");
    ASSERT_TRUE(run(cmd::Determinante));

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(lastCaption(), "OH NO");
    EXPECT_EQ(prompts.messages.back().style, MessageStyle::Stop);
    EXPECT_EQ(prompts.lastText(), "Überlauf beim Berechnungen\n Versuchen Sie die Matrix in "
                                  "Gleitkommazahlen umzuwandeln.");
    EXPECT_EQ(exact->view(), DocumentView::Protocol);
    EXPECT_EQ(exact->windowTitle(), "gross: (2 x 2)  : Protokoll - Determinante");
    EXPECT_EQ(exact->result()->rows(), 0);
    EXPECT_FALSE(exact->hasResult());
    EXPECT_EQ(protocolText(exact->protocol()).substr(0, 10), "Gauss von\n");
    // The protocol shown can be kept, though the window has no result yet.
    EXPECT_FALSE(enabled(cmd::ViewResult));
    prompts.files = {path("ueberlauf.txt")};
    ASSERT_TRUE(run(cmd::SaveProtocol));
    EXPECT_TRUE(read(path("ueberlauf.txt")).startsWith("Gauss von\r\n"));

    ASSERT_TRUE(run(cmd::OpenAsFloat));
    SDIDecFrame* floating = active();
    ASSERT_NE(floating, exact);
    EXPECT_EQ(floating->windowTitle(), "noname0: (2 x 2)  : Ausgangsmatrix");
    EXPECT_EQ(floating->source().kind(), MatrixObject::Float);
    ASSERT_TRUE(run(cmd::Determinante));
    EXPECT_EQ(floating->windowTitle(), "noname0: (2 x 2)  : Ergebniss - Determinante");
    EXPECT_EQ(elements(*floating->result()), "1e+10\t\n");
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(AppTest, MultiplicationOffersOnlyFittingWindowsOfTheSameKind) {
    start();
    open("b.mtx", "3\t2\r\n1\t0\t\r\n0\t1\t\r\n1\t1\t\r\n");
    open("c.mtx", "3\t3\r\n1\t0\t0\t\r\n0\t1\t0\t\r\n0\t0\t1\t\r\n");
    open("d.mtx", "FLOAT3\t2\r\n1\t0\t\r\n0\t1\t\r\n1\t1\t\r\n");
    open("a2.mtx", "3\t2\r\n9\t9\t\r\n9\t9\t\r\n9\t9\t\r\n");
    open("b.mtx", "3\t2\r\n1\t0\t\r\n0\t1\t\r\n1\t1\t\r\n"); // b again, a window of its own
    SDIDecFrame* a = open("a.mtx", "2\t3\r\n1\t2\t3\t\r\n4\t5\t6\t\r\n");

    QStringList offered;
    ModalDriver driver([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Wählen Sie eine Matrix");
        auto* list = d->findChild<QListWidget*>("list");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        list->setCurrentRow(1);
        d->findChild<QPushButton*>("ok")->click();
    });
    ASSERT_TRUE(run(cmd::Multiplikation));
    // Sorted by caption, though a2 was opened after b; the two windows of b
    // by their numbers in "&Fenster".
    EXPECT_EQ(offered, QStringList({"a2: (3 x 2)  : Ausgangsmatrix",
                                    "b: (3 x 2)  : Ausgangsmatrix [Fenster 1]",
                                    "b: (3 x 2)  : Ausgangsmatrix [Fenster 5]"}));
    EXPECT_EQ(elements(*a->result()), "4\t5\t\n10\t11\t\n");
    EXPECT_EQ(a->windowTitle(), "a: (2 x 3)  : Ergebniss - Multiplikation");
}

TEST_F(AppTest, WithoutAFittingOperandTheRunIsResetAndTheViewStays) {
    start();
    SDIDecFrame* w = open("a.mtx", "2\t3\r\n1\t2\t3\t\r\n4\t5\t6\t\r\n");
    open("same.mtx", "2\t3\r\n1\t1\t1\t\r\n1\t1\t1\t\r\n");
    client().setActiveSubWindow(w);
    run(cmd::Gauss);
    const QString caption = w->windowTitle();

    // Multiplication needs a 3 x 2 matrix; the window itself never counts.
    ASSERT_TRUE(run(cmd::Multiplikation));
    EXPECT_EQ(prompts.lastText(), "Als zwieten Operand kommt nur eine Matrix des Typs\n (3*2) als "
                                  "Bruchzahlen in Frage\nErzeugen oder Öffnen Sie solche");
    EXPECT_EQ(lastCaption(), "Hm");
    EXPECT_EQ(prompts.messages.back().style, MessageStyle::Information);
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->view(), DocumentView::Result);
    EXPECT_TRUE(w->protocol().records().empty());
    EXPECT_EQ(w->algorithm(), AlgorithmCommand::Multiplikation);
    EXPECT_EQ(elements(*w->result()), elements(w->source()));

    // Cancelling the choice is the same as having none.
    {
        ModalDriver cancel([](QDialog* d) { d->findChild<QPushButton*>("cancel")->click(); });
        run(cmd::Addition);
        EXPECT_TRUE(cancel.ran());
    }
    EXPECT_EQ(w->algorithm(), AlgorithmCommand::Addition);
    EXPECT_EQ(w->view(), DocumentView::Result);
}

TEST_F(AppTest, HelpForTheAlgorithmFollowsTheLastRun) {
    start();
    open("s.mtx", simplexInput);
    run(cmd::AlgorithmHelp);
    run(cmd::Simplex);
    run(cmd::AlgorithmHelp);
    EXPECT_EQ(prompts.helpContexts, std::vector<int>({258, 269}));
}
