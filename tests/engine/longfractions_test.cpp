// Long fractions against the 32-bit kind and against FLINT's own linear
// algebra. Wherever a 32-bit run completes, the long run of the same command
// gives the same outcome, result and protocol byte for byte; where the 32-bit
// run overflows, the long one completes, and its determinant, reduced form and
// inverse are those FLINT computes by other means. A run without steps gives
// the same result as one with.
#include <gtest/gtest.h>

#include <flint/fmpq_mat.h>

#include "commandrun.h"
#include "matrixbuild.h"
#include "matrixlong.h"
#include "matrixreel.h"

using namespace matrixbuild;

namespace {

// The matrix as FLINT's, and FLINT's back as text in this program's form.
struct FlintMatrix {
    fmpq_mat_t m;
    FlintMatrix(int rows, int cols) { fmpq_mat_init(m, rows, cols); }
    explicit FlintMatrix(const MatrixLong& a) : FlintMatrix(a.rows(), a.cols()) {
        for (int r = 0; r < a.rows(); ++r)
            for (int c = 0; c < a.cols(); ++c) fmpq_set(fmpq_mat_entry(m, r, c), a.at(r, c).get());
    }
    ~FlintMatrix() { fmpq_mat_clear(m); }
    std::string text() const {
        MatrixLong out(int(fmpq_mat_nrows(m)), int(fmpq_mat_ncols(m)), nullptr);
        for (int r = 0; r < out.rows(); ++r)
            for (int c = 0; c < out.cols(); ++c)
                fmpq_set(out.at(r, c).get(), fmpq_mat_entry(m, r, c));
        std::ostringstream os;
        out.write(os);
        return os.str();
    }
};

// What FLINT says the long run must give, for the commands it can say it for;
// empty when it cannot.
std::string flintAnswer(int number, const MatrixLong& a) {
    FlintMatrix m(a);
    const int n = a.rows();
    if (number == AlgorithmCommand::GaussJordan) {
        FlintMatrix r(n, a.cols());
        fmpq_mat_rref(r.m, m.m);
        return r.text();
    }
    if (number == AlgorithmCommand::Determinante && n == a.cols()) {
        FlintMatrix d(1, 1);
        fmpq_mat_det(fmpq_mat_entry(d.m, 0, 0), m.m);
        return d.text();
    }
    if (number == AlgorithmCommand::Inverse && n == a.cols()) {
        FlintMatrix inv(n, n);
        if (!fmpq_mat_inv(inv.m, m.m)) return "";
        return inv.text();
    }
    return "";
}

} // namespace

TEST(LongFractions, EveryCommandAsTheShortKindDoesOrBeyondItsOverflow) {
    RandomCases rc(20261209);
    int beyond = 0, checkedByFlint = 0;
    for (int number = 1; number < AlgorithmCommand::count; ++number) {
        for (int k = 0; k < 1000; ++k) {
            // Small matrices stay within 32 bits; larger ones with scaled
            // entries overflow there now and then.
            const bool large = k % 3 == 0;
            IntMatrix a = rc.next(rc.uniform(1, large ? 8 : 5), rc.uniform(1, large ? 9 : 6));
            if (large)
                for (auto& row : a)
                    for (auto& x : row) x *= rc.uniform(1, 300);
            const MatrixReel shortSource(toMatrix<reel>(a));
            const MatrixLong longSource(MatrixLong::converted(shortSource, nullptr));
            int rows = 0, cols = 0;
            AlgorithmCommand::operandShape(number, shortSource, rows, cols);
            IntMatrix b = rc.next(std::max(rows, 1), std::max(cols, 1));
            const MatrixReel shortOperand(toMatrix<reel>(b));
            const MatrixLong longOperand(MatrixLong::converted(shortOperand, nullptr));
            const int pr = rc.uniform(1, shortSource.rows()),
                      pc = rc.uniform(1, shortSource.cols());

            CommandRun s(shortSource, number, &shortOperand, pr, pc);
            CommandRun l(longSource, number, &longOperand, pr, pc);
            const std::string what = std::string(AlgorithmCommand::name(number)) + " of\n" +
                                     shown(static_cast<const matrix<reel>&>(shortSource));
            ASSERT_NE(l.outcome.kind, AlgorithmCommand::Kind::Overflow) << what;
            // Without steps to record, the long run may go other ways to the same end.
            CommandRun quick(longSource, number, &longOperand, pr, pc, false);
            ASSERT_EQ(quick.result(), l.result()) << what;
            ASSERT_EQ(quick.outcome.text, l.outcome.text) << what;
            if (s.outcome.kind != AlgorithmCommand::Kind::Overflow) {
                ASSERT_EQ(l.outcome.kind, s.outcome.kind) << what;
                ASSERT_EQ(l.outcome.text, s.outcome.text) << what;
                ASSERT_EQ(l.result(), s.result()) << what;
                ASSERT_EQ(written(l.protocol), written(s.protocol)) << what;
                continue;
            }
            ++beyond;
            const std::string flint = flintAnswer(number, longSource);
            if (flint.empty()) continue;
            ++checkedByFlint;
            EXPECT_EQ(l.result(), flint) << what;
        }
    }
    // The search reaches beyond the short kind, and FLINT checks some of it.
    EXPECT_GT(beyond, 300);
    EXPECT_GT(checkedByFlint, 30);
}
