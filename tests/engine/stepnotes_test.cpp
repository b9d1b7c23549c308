// The notes of the protocol against the snapshots they explain: for every
// step of random runs of every command, doing what the note says to the
// snapshot before gives the snapshot after, exactly. The protocol text stays
// that of a run without notes.
#include <gtest/gtest.h>

#include <sstream>

#include "commandrun.h"
#include "matrixbuild.h"
#include "matrixlong.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "visitkind.h"

using namespace matrixbuild;

namespace {

longreel numberOf(const std::string& text) {
    std::istringstream in(text);
    longreel x;
    in >> x;
    EXPECT_FALSE(in.fail()) << text;
    return x;
}

matrix<longreel> exactly(const MatrixObject& m) {
    return withMatrix(
        m, [](const auto& d) -> matrix<longreel> { return MatrixLong::converted(d, nullptr); });
}

// The exchange step at (r, c), written out from its definition.
void exchange(matrix<longreel>& a, int r, int c) {
    matrix<longreel> b(a);
    const longreel p = a.at(r, c);
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            b.at(i, j) = i == r   ? longreel(j == c ? 1 : 0)
                         : j == c ? a.at(i, c) / p
                                  : a.at(i, j) - a.at(r, j) * a.at(i, c) / p;
    a = b;
}

// The constraint row whose form column c holds: the first unit row there.
int formOf(const matrix<longreel>& a, int c) {
    for (int i = 0; i + 1 < a.rows(); ++i) {
        bool unit = a.at(i, c).isOne();
        for (int j = 0; j < a.cols() && unit; ++j) unit = j == c || a.at(i, j).sign() == 0;
        if (unit) return i;
    }
    return -1;
}

// What the note says, done to before.
matrix<longreel> applied(matrix<longreel> a, const StepNote& note) {
    using Kind = RowOperation::Kind;
    for (const RowOperation& op : note.operations()) {
        const longreel f = op.kind == Kind::Swap ? longreel(0) : numberOf(op.factorText());
        for (int j = 0; j < a.cols(); ++j) {
            longreel& x = a.at(op.row, j);
            if (op.kind == Kind::Swap) std::swap(x, a.at(op.other, j));
            x = op.kind == Kind::Scale      ? f * x
                : op.kind == Kind::Subtract ? x - f * a.at(op.other, j)
                                            : x;
        }
    }
    if (note.exchange) exchange(a, note.pivotRow, note.pivotColumn);
    return a;
}

// Checks every noted snapshot of the protocol; returns how many there were.
int checkNotes(const protstream& p, const std::string& what) {
    int noted = 0;
    const protmatrix* before = nullptr;
    for (const auto& r : p.records()) {
        const auto* m = dynamic_cast<const protmatrix*>(r.get());
        if (m == nullptr) continue;
        if (const StepNote* note = m->note()) {
            ++noted;
            EXPECT_NE(before, nullptr) << what;
            if (before == nullptr) return noted;
            const matrix<longreel> from = exactly(before->snapshot());
            const matrix<longreel> after = exactly(m->snapshot());
            EXPECT_EQ(noteLineCount(*note), noteLines(*note).size());
            EXPECT_EQ(shown(applied(from, *note)), shown(after))
                << what << "step from\n"
                << shown(from) << "lines:\n"
                << ::testing::PrintToString(noteLines(*note));
            // The pivot is marked where it stands after the step: non-zero,
            // and a one after an exchange.
            EXPECT_NE(after.at(note->pivotRow, note->pivotColumn).sign(), 0) << what;
            if (note->exchange) {
                EXPECT_TRUE(after.at(note->pivotRow, note->pivotColumn).isOne()) << what;
                // A named form is the one the entering column holds.
                if (note->enteringForm >= 0) {
                    EXPECT_EQ(note->enteringForm, formOf(from, note->pivotColumn)) << what;
                }
                EXPECT_EQ(numberOf(noteNumber(note->objective)),
                          after.at(after.rows() - 1, after.cols() - 1));
            }
        }
        before = m;
    }
    return noted;
}

} // namespace

TEST(StepNotes, DoingWhatEachNoteSaysGivesTheNextSnapshot) {
    RandomCases rc(20261209);
    for (int number = 1; number < AlgorithmCommand::count; ++number) {
        int noted = 0;
        for (int k = 0; k < 150; ++k) {
            IntMatrix a = rc.next(rc.uniform(1, 6), rc.uniform(1, 7));
            const MatrixReel shortSource(toMatrix<reel>(a));
            const MatrixLong longSource(MatrixLong::converted(shortSource, nullptr));
            int rows = 0, cols = 0;
            AlgorithmCommand::operandShape(number, shortSource, rows, cols);
            const MatrixReel operand(toMatrix<reel>(rc.next(std::max(rows, 1), std::max(cols, 1))));
            const int pr = rc.uniform(1, shortSource.rows()),
                      pc = rc.uniform(1, shortSource.cols());
            const std::string what = std::string(AlgorithmCommand::name(number)) + " of\n" +
                                     shown(static_cast<const matrix<reel>&>(shortSource));
            CommandRun s(shortSource, number, &operand, pr, pc);
            noted += checkNotes(s.protocol, what);
            // Long fractions note the same steps in the same words.
            const MatrixLong longOperand(MatrixLong::converted(operand, nullptr));
            CommandRun l(longSource, number, &longOperand, pr, pc);
            checkNotes(l.protocol, what);
        }
        // Every command that eliminates or exchanges explains its steps.
        if (number < AlgorithmCommand::Multiplikation)
            EXPECT_GT(noted, 50) << number;
        else
            EXPECT_EQ(noted, 0) << number;
    }
}
