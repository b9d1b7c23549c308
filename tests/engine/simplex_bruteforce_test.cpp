// The simplex method against an independent brute-force answer on many small
// random problems: maximise c x - c0 subject to A x >= b with free variables.
//
// The reference uses exact rationals of its own and no linear
// programming at all. Problems of any rank are allowed: the feasible set may
// contain lines (rank A < n), and then it has no vertex. Its minimal faces are
// the solution sets of r = rank A linearly independent constraint rows taken as
// equations, all translates of ker A; so
//   * the problem is feasible exactly when one such face satisfies A x >= b;
//   * a feasible problem is unbounded exactly when c is not orthogonal to
//     ker A, or when an extreme ray of the cone { d : A d >= 0 } (taken modulo
//     ker A: r - 1 independent rows tight) has c d > 0;
//   * otherwise the optimum is the best c x over the feasible minimal faces
//     (c x is constant on each of them).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "matrixbuild.h"
#include "matrixreel.h"
#include "protmatrix.h"

namespace {

// The reference's own exact rationals (128 bits: the problems are small).
using Q = Rat;

using Vec = std::vector<Q>;
using Mat = std::vector<Vec>;

Q dot(const std::vector<int>& a, const Vec& x) {
    Q s;
    for (std::size_t j = 0; j < a.size(); ++j) s = s + Q(a[j]) * x[j];
    return s;
}

// Reduced row echelon form in place; returns the pivot columns (among the
// first `width` columns).
std::vector<int> rref(Mat& m, int width) {
    std::vector<int> pivots;
    int row = 0;
    for (int c = 0; c < width && row < int(m.size()); ++c) {
        int r = row;
        while (r < int(m.size()) && m[r][c].sign() == 0) ++r;
        if (r == int(m.size())) continue;
        std::swap(m[r], m[row]);
        const Q p = m[row][c];
        for (auto& e : m[row]) e = e / p;
        for (int i = 0; i < int(m.size()); ++i) {
            if (i == row || m[i][c].sign() == 0) continue;
            const Q f = m[i][c];
            for (std::size_t j = 0; j < m[i].size(); ++j) m[i][j] = m[i][j] - f * m[row][j];
        }
        pivots.push_back(c);
        ++row;
    }
    return pivots;
}

struct Lp {
    int n = 0;
    std::vector<std::vector<int>> a;
    std::vector<int> b;
    std::vector<int> c;
    int c0 = 0;
    int m() const { return int(a.size()); }
};

Mat rowsOf(const Lp& lp, unsigned subset, bool withRhs) {
    Mat out;
    for (int i = 0; i < lp.m(); ++i) {
        if (!(subset >> i & 1u)) continue;
        Vec row;
        for (int v : lp.a[i]) row.push_back(Q(v));
        if (withRhs) row.push_back(Q(lp.b[i]));
        out.push_back(row);
    }
    return out;
}

int rankOf(const Lp& lp, unsigned subset) {
    Mat m = rowsOf(lp, subset, false);
    return int(rref(m, lp.n).size());
}

// A basis of the null space of the rows in the subset.
Mat nullBasis(const Lp& lp, unsigned subset) {
    Mat m = rowsOf(lp, subset, false);
    const std::vector<int> piv = rref(m, lp.n);
    Mat basis;
    for (int f = 0; f < lp.n; ++f) {
        if (std::find(piv.begin(), piv.end(), f) != piv.end()) continue;
        Vec d(std::size_t(lp.n));
        d[std::size_t(f)] = Q(1);
        for (std::size_t k = 0; k < piv.size(); ++k) d[std::size_t(piv[k])] = -m[k][std::size_t(f)];
        basis.push_back(d);
    }
    return basis;
}

enum class Kind { Infeasible, Unbounded, Optimum };
struct Outcome {
    Kind kind = Kind::Infeasible;
    Q value; // of c x - c0, for an optimum
};

Outcome bruteForce(const Lp& lp) {
    const unsigned all = (1u << lp.m()) - 1;
    const int r = rankOf(lp, all);

    bool feasible = false;
    Q best;
    for (unsigned s = 0; s <= all; ++s) {
        if (std::popcount(s) != r || rankOf(lp, s) != r) continue;
        Mat m = rowsOf(lp, s, true);
        const std::vector<int> piv = rref(m, lp.n);
        Vec x(std::size_t(lp.n));
        for (std::size_t k = 0; k < piv.size(); ++k)
            x[std::size_t(piv[k])] = m[k][std::size_t(lp.n)];
        bool ok = true;
        for (int i = 0; i < lp.m() && ok; ++i) ok = (dot(lp.a[i], x) - Q(lp.b[i])).sign() >= 0;
        if (!ok) continue;
        const Q v = dot(lp.c, x) - Q(lp.c0);
        if (!feasible || (v - best).sign() > 0) best = v;
        feasible = true;
    }
    if (!feasible) return {Kind::Infeasible, {}};

    for (const Vec& d : nullBasis(lp, all))
        if (dot(lp.c, d).sign() != 0) return {Kind::Unbounded, {}};
    for (unsigned s = 0; r >= 1 && s <= all; ++s) {
        if (std::popcount(s) != r - 1 || rankOf(lp, s) != r - 1) continue;
        for (Vec d : nullBasis(lp, s)) {
            int lo = 0, hi = 0;
            for (int i = 0; i < lp.m(); ++i) {
                const int sg = dot(lp.a[i], d).sign();
                lo = std::min(lo, sg);
                hi = std::max(hi, sg);
            }
            if (lo == 0 && hi == 0) continue; // inside ker A
            if (lo < 0 && hi > 0) break;      // not a ray of the cone
            const int dir = hi > 0 ? 1 : -1;
            if (dir * dot(lp.c, d).sign() > 0) return {Kind::Unbounded, {}};
            break;
        }
    }
    return {Kind::Optimum, best};
}

// Families of problems, 2 or 3 variables, data in [-4, 4]:
//   random         2 to 6 constraints, many infeasible or unbounded;
//   boxed          up to 2 further constraints within -3 ... 3 bounds on each
//                  variable (up to 7 rows), bounded whenever feasible;
//   rank-deficient the third column a combination of the first two;
//   degenerate     most right-hand sides zero, so vertices where more
//                  constraints are tight than there are variables.
enum class Family { Random, Boxed, RankDeficient, Degenerate };
const char* const familyNames[] = {"random", "boxed", "rank-deficient", "degenerate"};

Lp generate(std::mt19937& g, Family family) {
    std::uniform_int_distribution<int> small(-4, 4), pick(0, 3);
    auto dice = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    Lp lp;
    lp.n = dice(2, 3);
    auto randomRow = [&] {
        std::vector<int> row(std::size_t(lp.n));
        for (int& v : row) v = small(g);
        return row;
    };
    int randomRows = dice(2, 6);
    if (family == Family::Boxed) randomRows = dice(0, 6 - 2 * lp.n > 0 ? 6 - 2 * lp.n : 1);
    for (int i = 0; i < randomRows; ++i) {
        lp.a.push_back(randomRow());
        lp.b.push_back(family == Family::Degenerate && pick(g) != 0 ? 0 : small(g));
    }
    if (family == Family::Boxed) {
        // -lower <= x_j <= upper: bounded whenever feasible.
        for (int j = 0; j < lp.n; ++j) {
            std::vector<int> e(std::size_t(lp.n));
            e[std::size_t(j)] = 1;
            lp.a.push_back(e);
            lp.b.push_back(-dice(0, 3));
            e[std::size_t(j)] = -1;
            lp.a.push_back(e);
            lp.b.push_back(-dice(0, 3));
        }
    }
    lp.c = randomRow();
    lp.c0 = dice(-2, 2);
    if (family == Family::RankDeficient) {
        // The last column a combination of the first two (or zero): the
        // feasible set contains a line. The objective follows the same
        // combination most of the time, so that an optimum can exist.
        lp.n = 3;
        for (auto& row : lp.a) row.resize(3);
        lp.c.resize(3);
        const int u = dice(-1, 1), v = dice(-1, 1);
        for (auto& row : lp.a) row[2] = u * row[0] + v * row[1];
        lp.c[2] = pick(g) != 0 ? u * lp.c[0] + v * lp.c[1] : small(g);
    }
    return lp;
}

template <class T> matrix<T> userMatrix(const Lp& lp, protstream* p) {
    matrix<T> m(lp.m() + 1, lp.n + 1, p);
    for (int i = 0; i < lp.m(); ++i) {
        for (int j = 0; j < lp.n; ++j) m.at(i, j) = T(lp.a[i][j]);
        m.at(i, lp.n) = T(lp.b[i]);
    }
    for (int j = 0; j < lp.n; ++j) m.at(lp.m(), j) = T(lp.c[j]);
    m.at(lp.m(), lp.n) = T(lp.c0);
    return m;
}

// Empty when the exact simplex agrees with the reference, else why not.
std::string disagreement(const Lp& lp, const Outcome& ref, const matrix<reel>& res,
                         const protstream& prot) {
    const auto said = matrixbuild::lines(prot);
    const bool saidNoSolution = std::count(said.begin(), said.end(), "Keine Lösung") > 0;
    switch (ref.kind) {
    case Kind::Infeasible:
        if (res.rows() != 0) return "infeasible, but a result came back";
        if (!saidNoSolution) return "infeasible, but no \"Keine Lösung\"";
        return "";
    case Kind::Unbounded:
        if (res.rows() != 0) return "unbounded, but a result came back";
        if (saidNoSolution) return "unbounded, but \"Keine Lösung\"";
        return "";
    case Kind::Optimum: break;
    }
    if (res.rows() != lp.n || res.cols() < 1) return "optimum exists, but no point came back";
    Vec x(std::size_t(lp.n));
    for (int j = 0; j < lp.n; ++j) x[std::size_t(j)] = Q(res.at(j, 0));
    for (int i = 0; i < lp.m(); ++i)
        if ((dot(lp.a[i], x) - Q(lp.b[i])).sign() < 0) return "point violates a constraint";
    if (!(dot(lp.c, x) - Q(lp.c0) == ref.value)) return "point is not optimal";
    // Further columns are directions along which the point stays feasible
    // and optimal: every constraint form and the objective are constant.
    for (int k = 1; k < res.cols(); ++k) {
        Vec d(std::size_t(lp.n));
        for (int j = 0; j < lp.n; ++j) d[std::size_t(j)] = Q(res.at(j, k));
        for (int i = 0; i < lp.m(); ++i)
            if (dot(lp.a[i], d).sign() != 0) return "free direction changes a constraint";
        if (dot(lp.c, d).sign() != 0) return "free direction changes the objective";
    }
    return "";
}

// The problem as the user's matrix, for a failure message.
std::string describe(const Lp& lp) { return matrixbuild::shown(userMatrix<reel>(lp, nullptr)); }

// Whether every snapshot of an exact run holds only fractions whose
// denominator is a power of two (small ones): then doubles hold the same
// values exactly, every operation of the run is exact in doubles as well (or
// rounds a quotient that is only compared, and correctly rounded division
// keeps the order and the ties of such quotients), and the double run must
// take the same path to the same result.
bool dyadicRun(const protstream& prot, const matrix<reel>& res) {
    auto dyadic = [](const matrix<reel>& m) {
        for (std::int32_t r = 0; r < m.rows(); ++r)
            for (std::int32_t c = 0; c < m.cols(); ++c) {
                const reel& e = m.at(r, c);
                if ((e.den & (e.den - 1)) != 0 || e.den > 1024 || e.whole > 1000000 ||
                    e.whole < -1000000)
                    return false;
            }
        return true;
    };
    for (const auto& r : prot.records())
        if (const auto* m = dynamic_cast<const protmatrix*>(r.get()))
            if (!dyadic(dynamic_cast<const MatrixReel&>(m->snapshot()))) return false;
    return dyadic(res);
}

// Empty when the double run of a dyadic problem repeats the exact one.
std::string doubleDisagreement(const Lp& lp, const protstream& exactProt,
                               const matrix<reel>& exact) {
    protstream prot;
    const matrix<double> res = userMatrix<double>(lp, &prot).simplex();
    if (matrixbuild::lines(prot) != matrixbuild::lines(exactProt)) return "other protocol lines";
    if (res.rows() != exact.rows() || res.cols() != exact.cols()) return "other result shape";
    for (std::int32_t r = 0; r < res.rows(); ++r)
        for (std::int32_t c = 0; c < res.cols(); ++c)
            if (res.at(r, c) != double(exact.at(r, c))) return "other result";
    return "";
}

} // namespace

TEST(LpBruteForce, SimplexAgreesWithVertexEnumeration) {
    const int perFamily = 400;
    for (Family family :
         {Family::Random, Family::Boxed, Family::RankDeficient, Family::Degenerate}) {
        std::mt19937 g(20240601u + unsigned(family));
        int overflows = 0, optimum = 0, withDirections = 0;
        for (int k = 0; k < perFamily; ++k) {
            const Lp lp = generate(g, family);
            const Outcome ref = bruteForce(lp);
            protstream prot;
            matrix<reel> res;
            try {
                res = userMatrix<reel>(lp, &prot).simplex();
            } catch (const mylongint::overflow&) {
                ++overflows;
                continue;
            }
            optimum += ref.kind == Kind::Optimum;
            withDirections += ref.kind == Kind::Optimum && res.cols() > 1;
            const std::string problem =
                std::string(familyNames[int(family)]) + " #" + std::to_string(k);
            EXPECT_EQ(disagreement(lp, ref, res, prot), "") << problem << "\n  " << describe(lp);
            EXPECT_EQ(dyadicRun(prot, res) ? doubleDisagreement(lp, prot, res) : "", "")
                << problem << " in doubles\n  " << describe(lp);
        }
        // Each family must exercise the cases it is meant for.
        EXPECT_LE(overflows, perFamily / 50) << familyNames[int(family)];
        EXPECT_GT(optimum, perFamily / 5) << familyNames[int(family)];
        EXPECT_TRUE(family != Family::RankDeficient || withDirections > 10) << withDirections;
    }
}
