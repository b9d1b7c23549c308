// Linear programming on a tableau of affine forms: the exchange step, vertex
// finding, vertex exchange and the two-stage simplex method built from them.
//
// The tableau has rows 0 ... m-1 for the constraint forms f_i >= 0 and row m
// for the objective to be maximised; columns 0 ... n-1 hold the coefficients
// of the current variables and column n the constants. The current vertex is
// the point where every variable of a column is zero.
#include <cstdint>

#include "matrix.h"
#include "protstream.h"

namespace {

template <class T> bool anyPositiveObjective(const matrix<T>& m) {
    const std::int32_t last = m.rows() - 1;
    for (std::int32_t j = 0; j + 1 < m.cols(); ++j)
        if (entrySign(m.at(last, j)) > 0) return true;
    return false;
}

// The ratio test for moving the variable of column c in direction dir (+1:
// growing, -1: shrinking): among the constraint rows whose entry in column c
// has the sign opposite to dir, the one whose form becomes zero first; the
// first among equals; -1 when no row limits the move.
template <class T> std::int32_t firstTightRow(const matrix<T>& m, std::int32_t c, int dir) {
    const std::int32_t last = m.cols() - 1;
    std::int32_t best = -1;
    T bestQ = T(0);
    for (std::int32_t i = 0; i + 1 < m.rows(); ++i) {
        const int s = entrySign(m.at(i, c));
        if (s == 0 || s == dir) continue;
        const T q = m.at(i, last) / entryAbs(m.at(i, c));
        if (best < 0 || q < bestQ) {
            best = i;
            bestQ = q;
        }
    }
    return best;
}

// Which constraint the variable of column c stands for: the first row that is
// the unit row of that column (rows that are unit in the same column are the
// same form). A column that was never exchanged keeps its own variable and
// ranks after all constraints.
template <class T> std::int32_t columnLabel(const matrix<T>& m, std::int32_t c) {
    const std::int32_t constraints = m.rows() - 1;
    for (std::int32_t i = 0; i < constraints; ++i) {
        if (!entryIsOne(m.at(i, c))) continue;
        bool unit = true;
        for (std::int32_t j = 0; j < m.cols() && unit; ++j)
            if (j != c && entrySign(m.at(i, j)) != 0) unit = false;
        if (unit) return i;
    }
    return constraints + c;
}

// Bland's rule for the entering column: among the columns with a positive
// objective coefficient the one whose variable has the smallest label.
template <class T> std::int32_t blandColumn(const matrix<T>& m) {
    const std::int32_t last = m.rows() - 1;
    std::int32_t best = -1;
    std::int32_t bestLabel = 0;
    for (std::int32_t j = 0; j + 1 < m.cols(); ++j) {
        if (entrySign(m.at(last, j)) <= 0) continue;
        const std::int32_t label = columnLabel(m, j);
        if (best < 0 || label < bestLabel) {
            best = j;
            bestLabel = label;
        }
    }
    return best;
}

// The number of ways to choose n of m + n labels (at least), at most 2^40.
std::int64_t vertexBound(std::int32_t m, std::int32_t n) {
    const double cap = 1099511627776.0;
    double b = 1.0;
    for (std::int32_t k = 1; k <= n; ++k) {
        b = b * (double(m) + k) / k;
        if (b >= cap) return std::int64_t(cap);
    }
    return std::int64_t(b) + 1;
}

} // namespace

template <class T> void matrix<T>::pivotiere(std::int32_t r, std::int32_t c) {
    if (data_ && r >= 0 && r < rows_ && c >= 0 && c < cols_) {
        const T p = cell(r, c);
        StepNote* note = protocol().note();
        if (note != nullptr && entrySign(p) != 0) {
            note->pivotRow = r;
            note->pivotColumn = c;
            note->exchange = true;
        }
        if (entrySign(p) != 0) {
            if (!entryIsOne(p)) {
                for (std::int32_t i = 0; i < rows_; ++i) cell(i, c) = cell(i, c) / p;
                cell(r, c) = T(1);
            }
            for (std::int32_t j = 0; j < cols_; ++j) {
                if (j == c) continue;
                const T f = cell(r, j);
                for (std::int32_t i = 0; i < rows_; ++i) cell(i, j) = cell(i, j) - f * cell(i, c);
            }
            if (note != nullptr) note->objective = cell(rows_ - 1, cols_ - 1);
        }
    }
    // Widened so that an index at the end of the range cannot overflow.
    protocol() << "pivotiere (" << static_cast<std::int32_t>(std::int64_t(r) + 1) << ","
               << static_cast<std::int32_t>(std::int64_t(c) + 1) << ")\n"
               << *this;
}

template <class T> std::int32_t matrix<T>::pickColumnAbs(const sets& used) const {
    std::int32_t best = -1;
    T bestValue = T(0);
    for (std::int32_t j = 0; j + 1 < cols_; ++j) {
        if (used.test(j) || findrow(0, j) < 0) continue;
        const T v = entryAbs(at(rows_ - 1, j));
        if (best < 0 || v > bestValue) {
            best = j;
            bestValue = v;
        }
    }
    return best;
}

template <class T> std::int32_t matrix<T>::pickColumn() const {
    std::int32_t best = -1;
    T bestValue = T(0);
    for (std::int32_t j = 0; j + 1 < cols_; ++j) {
        if (findrow(0, j) < 0) continue;
        const T& v = at(rows_ - 1, j);
        if (best < 0 || v > bestValue) {
            best = j;
            bestValue = v;
        }
    }
    return best;
}

template <class T> std::int32_t matrix<T>::pickRow(std::int32_t c) const {
    if (!data_ || c < 0 || c >= cols_) return -1;
    const T& objective = cell(rows_ - 1, c);
    std::int32_t best = -1;
    T bestQ = T(0);
    for (std::int32_t i = 0; i + 1 < rows_; ++i) {
        if (entrySign(objective * cell(i, c)) >= 0) continue;
        const T q = cell(i, cols_ - 1) / entryAbs(cell(i, c));
        if (best < 0 || q < bestQ) {
            best = i;
            bestQ = q;
        }
    }
    return best;
}

namespace {

// How an exchange of vertices ended.
enum class Exchange { Optimal, NoColumn, Unbounded, StepLimit };

// Vertex finding, vertex exchange and their combination, for the simplex of
// the user's problem and for the first stage of findFeasible. The first stage
// maximises t - M only to reach a point that satisfies all constraints, and
// once t - M is >= 0 such a point has been reached: findFeasible reads it off
// the tableau whatever the search was doing. So in the first stage a search
// that cannot go on the usual way stops as soon as the auxiliary objective is
// >= 0, and goes on in the ways below only while it is negative.
template <class T> bool auxiliaryReached(const matrix<T>& m) {
    return entrySign(m.at(m.rows() - 1, m.cols() - 1)) >= 0;
}

// Whether the objective grows without bound along a column: its coefficient
// is positive and no constraint row limits the move.
template <class T> bool growsWithoutBound(const matrix<T>& m) {
    const std::int32_t objective = m.rows() - 1;
    for (std::int32_t j = 0; j + 1 < m.cols(); ++j)
        if (entrySign(m.at(objective, j)) > 0 && m.pickRow(j) < 0) return true;
    return false;
}

template <class T> bool findVertex(matrix<T>& m, bool firstStage) {
    const std::int32_t objective = m.rows() - 1;
    sets used(m.cols() - 1);
    m.protocol() << "Eckenfindung von\n" << m;
    for (;;) {
        const std::int32_t j = m.pickColumnAbs(used);
        if (j < 0) return true;
        std::int32_t i = m.pickRow(j);
        if (i < 0) {
            if (entrySign(m.at(objective, j)) != 0) return false;
            // The objective depends on none of the variables still free, only
            // on exchanged ones (>= 0). When it grows without bound along one
            // of them there is no optimum: stop. In the first stage also stop
            // when t - M is >= 0, or when no coefficient is positive, so that
            // t - M is at its maximum already and findFeasible judges it.
            if (growsWithoutBound(m)) return false;
            if (firstStage && (auxiliaryReached(m) || !anyPositiveObjective(m))) return false;
            // Otherwise this variable must still be exchanged for a constraint,
            // though no direction is better for it: vertex exchange treats
            // every column as a variable >= 0. Take the constraint that
            // becomes tight first when it grows, else when it shrinks; the
            // constants stay >= 0 either way.
            i = firstTightRow(m, j, 1);
            if (i < 0) i = firstTightRow(m, j, -1);
            if (i < 0) {
                // Bound by nothing: leave the variable free.
                used.set(j);
                continue;
            }
        }
        m.pivotiere(i, j);
        used.set(j);
    }
}

// An exchange step of vertex exchange. Vertex finding has exchanged the
// columns for constraints, so the entering column holds the form of the
// constraint whose unit row it is, which the note names.
template <class T> void exchangeStep(matrix<T>& m, std::int32_t i, std::int32_t j) {
    if (StepNote* note = m.protocol().note()) {
        const std::int32_t label = columnLabel(m, j);
        note->enteringForm = label < m.rows() - 1 ? label : -1;
    }
    m.pivotiere(i, j);
}

template <class T> Exchange exchangeVertices(matrix<T>& m, bool firstStage) {
    bool announced = false;
    for (std::int32_t step = 0; step + 1 < m.cols(); ++step) {
        if (!anyPositiveObjective(m)) return Exchange::Optimal;
        if (!announced) {
            m.protocol() << "Eckenaustausch\n";
            announced = true;
        }
        const std::int32_t j = m.pickColumn();
        if (j < 0) return Exchange::NoColumn;
        const std::int32_t i = m.pickRow(j);
        if (i < 0) return Exchange::Unbounded;
        exchangeStep(m, i, j);
    }
    // At the step limit. Stop when the objective is seen to grow without
    // bound, or in the first stage once a feasible point is reached.
    if (growsWithoutBound(m) || (firstStage && auxiliaryReached(m))) return Exchange::StepLimit;
    // The vertex reached by the last step may already be the optimum.
    if (!anyPositiveObjective(m)) return Exchange::Optimal;
    // Still not optimal: the largest-coefficient rule may be going round in
    // circles on a degenerate vertex, or the way is simply longer. Go on with
    // Bland's rule (smallest label entering, first row among equal ratios
    // leaving), which never comes back to a tableau it has been at and so
    // ends at the optimum or at an unbounded edge. The number of possible vertices bounds its
    // steps; only rounding in doubles could ever reach that bound.
    const std::int64_t bound = vertexBound(m.rows() - 1, m.cols() - 1);
    for (std::int64_t step = 0; step < bound; ++step) {
        if (!anyPositiveObjective(m)) return Exchange::Optimal;
        if (firstStage && auxiliaryReached(m)) return Exchange::StepLimit;
        const std::int32_t j = blandColumn(m);
        if (j < 0) return Exchange::NoColumn;
        const std::int32_t i = m.pickRow(j);
        if (i < 0) return Exchange::Unbounded;
        exchangeStep(m, i, j);
    }
    return anyPositiveObjective(m) ? Exchange::StepLimit : Exchange::Optimal;
}

template <class T> bool reachOptimum(matrix<T>& m, bool firstStage) {
    if (!findVertex(m, firstStage)) {
        m.protocol() << "Es gibt keine optimale Lösung\n";
        return false;
    }
    return exchangeVertices(m, firstStage) == Exchange::Optimal;
}

} // namespace

template <class T> bool matrix<T>::eckenfindung() { return findVertex(*this, false); }

template <class T> bool matrix<T>::optimum() { return reachOptimum(*this, false); }

template <class T> sets matrix<T>::unitRows() const {
    sets s(rows_ - 1);
    for (std::int32_t i = 0; i + 1 < rows_; ++i) {
        std::int32_t first = 0;
        while (first < cols_ && entrySign(cell(i, first)) == 0) ++first;
        // The one must stand among the variables: the constant is zero.
        if (first + 1 >= cols_ || !entryIsOne(cell(i, first))) continue;
        bool unit = true;
        for (std::int32_t j = first + 1; j < cols_ && unit; ++j)
            if (entrySign(cell(i, j)) != 0) unit = false;
        if (unit) s.set(i);
    }
    return s;
}

template <class T> matrix<T> matrix<T>::solveRows(const sets& rowsToSolve) const {
    const std::int32_t count = rowsToSolve.count();
    if (count == 0) return matrix(0, 0, prot);
    matrix e(count, cols_, prot);
    std::int32_t k = 0;
    for (std::int32_t i = 0; i < rowsToSolve.size() && i < rows_; ++i) {
        if (!rowsToSolve.test(i)) continue;
        for (std::int32_t j = 0; j < cols_; ++j) e.at(k, j) = cell(i, j);
        ++k;
    }
    e.gaussJordan();
    return e.loesung();
}

template <class T> matrix<T> matrix<T>::findFeasible() const {
    const std::int32_t m = rows_ - 1;
    const std::int32_t n = cols_ - 1;
    protocol() << "Ich suche eine Lösung\n";
    if (!data_) return matrix(0, 0, prot);

    std::int32_t largest = -1;
    for (std::int32_t i = 0; i < m; ++i)
        if (entrySign(cell(i, n)) > 0 && (largest < 0 || cell(i, n) > cell(largest, n)))
            largest = i;
    if (largest < 0) return matrix(n, 1, prot);
    const T M = cell(largest, n);

    // Auxiliary problem in x and t: maximise t - M subject to
    // a_i x - t + M - b_i >= 0; x = 0, t = 0 is a feasible start.
    matrix w(m + 1, n + 2, prot);
    for (std::int32_t i = 0; i < m; ++i) {
        for (std::int32_t j = 0; j < n; ++j) w.at(i, j) = cell(i, j);
        w.at(i, n) = T(-1);
    }
    matrix v(w);
    for (std::int32_t i = 0; i < m; ++i) {
        w.at(i, n + 1) = M - cell(i, n);
        v.at(i, n + 1) = cell(i, n);
    }
    w.at(m, n) = T(1);
    w.at(m, n + 1) = -M;
    protocol() << "Ausgangsmatrix zur Suche nach einer Lösung\n";

    if (reachOptimum(w, true)) {
        // At the optimum of the auxiliary problem a negative objective means
        // that t - M < 0 for every x: no point satisfies all constraints, and
        // the tight rows would only give a point that violates some of them.
        if (entrySign(w.at(m, n + 1)) < 0) {
            protocol() << "Keine Lösung\n";
            return matrix(0, 0, prot);
        }
        const matrix x = v.solveRows(w.unitRows());
        if (x.rows() == 0) return matrix(0, 0, prot);
        matrix p(n, 1, prot);
        for (std::int32_t i = 0; i < n; ++i) p.at(i, 0) = x.at(i, 0);
        return p;
    }

    T g = w.at(m, n + 1);
    if (entrySign(g) < 0) {
        // The auxiliary objective grows without bound, so t - M reaches zero
        // somewhere and the constraints can be met; the vertex reached just
        // lies short of that. Follow a column along which the objective grows
        // and no constraint form falls (the ratio test finds no row for it)
        // until the auxiliary objective is zero.
        std::int32_t ray = -1;
        for (std::int32_t j = 0; j < n + 1 && ray < 0; ++j)
            if (entrySign(w.at(m, j)) != 0 && w.pickRow(j) < 0) ray = j;
        if (ray < 0) {
            protocol() << "Keine Lösung\n";
            return matrix(0, 0, prot);
        }
        const T step = -g / w.at(m, ray);
        for (std::int32_t i = 0; i <= m; ++i) w.at(i, n + 1) = w.at(i, n + 1) + w.at(i, ray) * step;
        g = w.at(m, n + 1);
    }
    // Y's rows read a_i x - t = a_i x* for the point x* reached, whose
    // constraints hold with room g >= 0.
    matrix y(m, n + 2, prot);
    for (std::int32_t i = 0; i < m; ++i) {
        for (std::int32_t j = 0; j < n; ++j) y.at(i, j) = cell(i, j);
        y.at(i, n) = T(-1);
        y.at(i, n + 1) = (g + w.at(i, n + 1)) + cell(i, n);
    }
    protocol() << "Gewinn positiv es gibt also eine Lösung\n";
    y.gaussJordan();
    const matrix x = y.loesung();
    if (x.rows() == 0) return matrix(0, 0, prot);
    matrix p(n, 1, prot);
    for (std::int32_t i = 0; i < n; ++i) p.at(i, 0) = x.at(i, 0);
    return p;
}

template <class T> matrix<T> matrix<T>::simplex() const {
    protocol() << "optimiere\n" << *this;
    const matrix p = findFeasible();
    if (p.rows() < 1) return matrix(0, 0, prot);
    protocol() << "Eine Lösung\n" << p;

    // Move the origin to the point found: the constraint forms become
    // a_i y + (a_i p - b_i) with y = x - p, all constants >= 0.
    const std::int32_t n = cols_ - 1;
    matrix t(*this);
    for (std::int32_t i = 0; i < rows_; ++i) {
        T s = T(0);
        for (std::int32_t j = 0; j < n; ++j) s = s + cell(i, j) * p.at(j, 0);
        t.at(i, n) = s - cell(i, n);
    }
    protocol() << "Ausgangsmatrix zu Eckensuche\n";
    if (!t.optimum()) return matrix(0, 0, prot);

    const sets tight = t.unitRows();
    if (tight.count() == 0) {
        // No constraint was exchanged, so neither the constraints nor the
        // objective involve any variable: every point is optimal, the origin
        // found above among them. Solve the empty system 0 = 0, which gives
        // the origin and every direction.
        matrix none(1, cols_, prot);
        none.gaussJordan();
        return none.loesung();
    }
    return solveRows(tight);
}

#define LINEON_INSTANTIATE(T)                                                                      \
    template void matrix<T>::pivotiere(std::int32_t, std::int32_t);                                \
    template std::int32_t matrix<T>::pickColumnAbs(const sets&) const;                             \
    template std::int32_t matrix<T>::pickColumn() const;                                           \
    template std::int32_t matrix<T>::pickRow(std::int32_t) const;                                  \
    template bool matrix<T>::eckenfindung();                                                       \
    template bool matrix<T>::optimum();                                                            \
    template sets matrix<T>::unitRows() const;                                                     \
    template matrix<T> matrix<T>::solveRows(const sets&) const;                                    \
    template matrix<T> matrix<T>::findFeasible() const;                                            \
    template matrix<T> matrix<T>::simplex() const;
LINEON_INSTANTIATE(reel)
LINEON_INSTANTIATE(longreel)
LINEON_INSTANTIATE(double)
