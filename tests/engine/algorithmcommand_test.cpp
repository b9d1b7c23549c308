// One algorithm command without a window: checks, reset, the call, the
// outcome the window shows, and the overflow fallback.
#include <gtest/gtest.h>

#include <sstream>

#include "algorithmcommand.h"
#include "matrixfloat.h"
#include "matrixreel.h"

namespace {

// The parts of a document window a command works on, with an exact source.
struct Window {
    protstream protocol;
    std::unique_ptr<MatrixReel> source;
    DocumentRun doc;

    Window(int rows, int cols, std::vector<int> v)
        : source(std::make_unique<MatrixReel>(rows, cols, &protocol)) {
        for (int i = 0; i < rows * cols; ++i)
            source->at(i / cols, i % cols) = reel(v[std::size_t(i)]);
        doc.source = source.get();
        doc.protocol = &protocol;
    }
};

std::string text(const MatrixObject& m) {
    std::ostringstream os;
    m.write(os);
    return os.str();
}

std::string firstLine(const protstream& p) {
    std::ostringstream os;
    p.records().front()->write(os);
    return os.str();
}

} // namespace

TEST(AlgorithmCommand, ShapeChecksRefuseWithoutTouchingTheDocument) {
    Window w(4, 3, std::vector<int>(12, 1));
    w.doc.algorithm = 2;
    auto out = AlgorithmCommand::run(w.doc, AlgorithmCommand::Determinante);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::Refused);
    EXPECT_EQ(out.caption, "Schwachsinn");
    EXPECT_EQ(out.text, "Es werden nur Determinanten aus n*n evntl. n*(n+1) Matrizen ausgerechnet");
    EXPECT_EQ(w.doc.algorithm, 2);
    EXPECT_EQ(w.doc.result, nullptr);

    out = AlgorithmCommand::run(w.doc, AlgorithmCommand::Inverse);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::Refused);
    EXPECT_EQ(out.style, MessageStyle::OkCancel);
    EXPECT_EQ(out.text, "Man kann nur n*n Matrizen inveriernen");
}

TEST(AlgorithmCommand, DeterminantAcceptsOneMoreColumnThanRows) {
    Window w(2, 3, {1, 2, 9, 3, 4, 9});
    auto out = AlgorithmCommand::run(w.doc, AlgorithmCommand::Determinante);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::Result);
    EXPECT_EQ(text(*w.doc.result), "-2\t\n");
    EXPECT_TRUE(w.doc.hasResult);
    EXPECT_EQ(text(*w.source), "1\t2\t9\t\n3\t4\t9\t\n"); // the source never changes
}

TEST(AlgorithmCommand, EmptyResultsReportTheirMessage) {
    Window singular(2, 2, {1, 2, 2, 4});
    auto out = AlgorithmCommand::run(singular.doc, AlgorithmCommand::Inverse);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::NoResult);
    EXPECT_EQ(out.text, "Die Matrix ist nicht invertierbar");
    EXPECT_EQ(out.caption, "Kein Ergebniss");
    EXPECT_EQ(out.style, MessageStyle::Information);
    EXPECT_TRUE(singular.doc.hasResult); // an empty result still counts as a result

    Window inconsistent(2, 3, {1, 2, 0, 2, 4, 1});
    out = AlgorithmCommand::run(inconsistent.doc, AlgorithmCommand::Loesung);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::NoResult);
    EXPECT_EQ(out.text, "Es gibt keine Lösung zur Matrix");
    EXPECT_EQ(out.style, MessageStyle::Ok);
}

TEST(AlgorithmCommand, ASecondRunReplacesTheFirstRunsProtocol) {
    Window w(2, 2, {2, 1, 1, 1});
    AlgorithmCommand::run(w.doc, AlgorithmCommand::Gauss);
    AlgorithmCommand::run(w.doc, AlgorithmCommand::Pivotiere, 1, 1);
    EXPECT_EQ(firstLine(w.protocol), "Ausgangmatrix zum Pivotieren\n");
    EXPECT_EQ(w.doc.algorithm, AlgorithmCommand::Pivotiere);
    EXPECT_EQ(text(*w.doc.result), "1\t0\t\n1/2\t1/2\t\n");
}

TEST(AlgorithmCommand, OverflowLeavesAnEmptyExactResultAndTheStepsSoFar) {
    Window w(2, 2, {2147483647, 1, 1, 1});
    Window other(2, 2, {1, 0, 0, 0});
    auto out = AlgorithmCommand::runWithOperand(w.doc, AlgorithmCommand::Addition,
                                                other.source.get());
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::Overflow);
    EXPECT_EQ(out.caption, "OH NO");
    EXPECT_EQ(out.style, MessageStyle::Stop);
    EXPECT_EQ(out.text,
              "Überlauf beim Berechnungen\n Versuchen Sie die Matrix in Gleitkommazahlen umzuwandeln.");
    EXPECT_EQ(w.doc.result->kind(), MatrixObject::Exact);
    EXPECT_EQ(w.doc.result->rows(), 0);
    EXPECT_EQ(w.doc.result->cols(), 0);
    EXPECT_FALSE(w.doc.hasResult);
    EXPECT_EQ(firstLine(w.protocol), "Addition von 2 Matrizen.\n");
    EXPECT_EQ(w.doc.algorithm, AlgorithmCommand::Addition);
}

TEST(AlgorithmCommand, TwoOperandCommandsWithoutOperandStillReset) {
    Window w(2, 3, std::vector<int>(6, 1));
    AlgorithmCommand::run(w.doc, AlgorithmCommand::Gauss);
    ASSERT_FALSE(w.protocol.records().empty());
    auto out = AlgorithmCommand::runWithOperand(w.doc, AlgorithmCommand::Multiplikation, nullptr);
    EXPECT_EQ(out.kind, AlgorithmCommand::Kind::NoOperand);
    EXPECT_TRUE(w.protocol.records().empty());
    EXPECT_EQ(w.doc.algorithm, AlgorithmCommand::Multiplikation);
    EXPECT_EQ(text(*w.doc.result), text(*w.source));
    EXPECT_EQ(AlgorithmCommand::noOperandText(AlgorithmCommand::Multiplikation, *w.source),
              "Als zwieten Operand kommt nur eine Matrix des Typs\n (3*2) als Bruchzahlen in "
              "Frage\nErzeugen oder Öffnen Sie solche");
}

TEST(AlgorithmCommand, OperandsMustMatchShapeAndNumberType) {
    Window a(2, 3, std::vector<int>(6, 1));
    MatrixReel transposed(3, 2, nullptr), same(2, 3, nullptr);
    MatrixFloat floatTransposed(3, 2, nullptr);
    EXPECT_TRUE(AlgorithmCommand::operandFits(AlgorithmCommand::Multiplikation, *a.source,
                                              transposed));
    EXPECT_FALSE(
        AlgorithmCommand::operandFits(AlgorithmCommand::Multiplikation, *a.source, same));
    EXPECT_FALSE(AlgorithmCommand::operandFits(AlgorithmCommand::Multiplikation, *a.source,
                                               floatTransposed));
    EXPECT_TRUE(AlgorithmCommand::operandFits(AlgorithmCommand::Substraktion, *a.source, same));
}

TEST(AlgorithmCommand, NamesByNumber) {
    EXPECT_STREQ(AlgorithmCommand::name(0), "Kein Ergebniss");
    EXPECT_STREQ(AlgorithmCommand::name(8), "Nährungslösung");
    EXPECT_STREQ(AlgorithmCommand::name(14), "Substraktion");
    EXPECT_STREQ(AlgorithmCommand::name(99), "Kein Ergebniss");
}
