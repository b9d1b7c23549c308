// Helpers for the linear-programming tests: tableaus from integer rows and the
// protocol read back as a sequence of lines and snapshots.
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "matrix.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protstring.h"

namespace lpbuild {

// A rows x cols matrix from row-major integers (exact for both entry types).
template <class T>
matrix<T> fromInts(std::int32_t rows, std::int32_t cols, const std::vector<int>& v,
                   protstream* p = nullptr) {
    matrix<T> m(rows, cols, p);
    std::size_t k = 0;
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols && k < v.size(); ++c) m.at(r, c) = T(v[k++]);
    return m;
}

// n/d as an exact fraction or as the double n / d.
template <class T> T frac(std::int32_t n, std::int32_t d) {
    if constexpr (std::is_same_v<T, double>)
        return double(n) / double(d);
    else
        return reel(n, d);
}

inline bool sameEntry(const reel& a, const reel& b) { return a.sameFields(b); }
inline bool sameEntry(double a, double b) { return a == b; }

// Whether m has the given shape and row-major entries, exactly.
template <class T>
bool hasEntries(const matrix<T>& m, std::int32_t rows, std::int32_t cols,
                const std::vector<T>& v) {
    if (m.rows() != rows || m.cols() != cols || v.size() != std::size_t(rows) * cols)
        return false;
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols; ++c)
            if (!sameEntry(m.at(r, c), v[std::size_t(r) * cols + c])) return false;
    return true;
}

template <class T> bool sameMatrix(const matrix<T>& a, const matrix<T>& b) {
    if (a.rows() != b.rows() || a.cols() != b.cols()) return false;
    for (std::int32_t r = 0; r < a.rows(); ++r)
        for (std::int32_t c = 0; c < a.cols(); ++c)
            if (!sameEntry(a.at(r, c), b.at(r, c))) return false;
    return true;
}

// The protocol as one string per record: the text of a line, or "#" for a
// snapshot.
inline std::vector<std::string> records(const protstream& p) {
    std::vector<std::string> out;
    for (const auto& r : p.records()) {
        if (const auto* s = dynamic_cast<const protstring*>(r.get()))
            out.push_back(s->text);
        else
            out.push_back("#");
    }
    return out;
}

// Only the text lines, in order.
inline std::vector<std::string> lines(const protstream& p) {
    std::vector<std::string> out;
    for (const auto& r : p.records())
        if (const auto* s = dynamic_cast<const protstring*>(r.get())) out.push_back(s->text);
    return out;
}

inline bool hasLine(const protstream& p, const std::string& text) {
    for (const auto& l : lines(p))
        if (l == text) return true;
    return false;
}

// The text lines that start with the given prefix.
inline std::vector<std::string> linesStarting(const protstream& p, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& l : lines(p))
        if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    return out;
}

// The matrix of the k-th snapshot (0-based), or null.
template <class T> const matrix<T>* snapshot(const protstream& p, std::size_t k) {
    std::size_t seen = 0;
    for (const auto& r : p.records()) {
        const auto* m = dynamic_cast<const protmatrix*>(r.get());
        if (!m) continue;
        if (seen++ != k) continue;
        if constexpr (std::is_same_v<T, double>)
            return dynamic_cast<const MatrixFloat*>(&m->snapshot());
        else
            return dynamic_cast<const MatrixReel*>(&m->snapshot());
    }
    return nullptr;
}

inline const matrix<reel>* reelSnapshot(const protstream& p, std::size_t k) {
    return snapshot<reel>(p, k);
}

} // namespace lpbuild
