// Building small matrices of either entry type, comparing them entry by entry
// and reading a protocol back as the text it writes.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <type_traits>

#include "matrix.h"
#include "protstream.h"
#include "reeltext.h"

namespace matrixbuild {

// Row-major entries; ints convert exactly for both entry types.
template <class T>
matrix<T> mat(std::int32_t rows, std::int32_t cols, std::initializer_list<T> v,
              protstream* p = nullptr) {
    matrix<T> m(rows, cols, p);
    auto it = v.begin();
    for (std::int32_t r = 0; r < rows; ++r)
        for (std::int32_t c = 0; c < cols && it != v.end(); ++c)
            m.at(r, c) = *it++;
    return m;
}

// n/d as an exact fraction or as the double n / d.
template <class T> T frac(std::int32_t n, std::int32_t d) {
    if constexpr (std::is_same_v<T, double>)
        return double(n) / double(d);
    else
        return reel(n, d);
}

inline bool sameEntry(const reel& a, const reel& b) {
    return a.sameFields(b);
}
inline bool sameEntry(double a, double b) {
    return a == b;
}

// The snapshot text of a matrix: entries with a tab after each, a newline per row.
template <class T> std::string shown(const matrix<T>& m) {
    std::ostringstream os;
    m.writeEntries(os);
    return os.str();
}

// Everything the protocol writes.
inline std::string written(const protstream& p) {
    std::ostringstream os;
    p.write(os);
    return os.str();
}

template <class T>
::testing::AssertionResult sameMatrix(const matrix<T>& actual, const matrix<T>& expected) {
    bool same = actual.rows() == expected.rows() && actual.cols() == expected.cols() &&
                actual.hasData() == expected.hasData();
    for (std::int32_t r = 0; same && r < actual.rows(); ++r)
        for (std::int32_t c = 0; same && c < actual.cols(); ++c)
            same = sameEntry(actual.at(r, c), expected.at(r, c));
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << actual.rows() << "x" << actual.cols() << "\n"
           << shown(actual) << "expected " << expected.rows() << "x" << expected.cols() << "\n"
           << shown(expected);
}

} // namespace matrixbuild

namespace matrixbuild {

// Readable names for typed tests: .../reel.Name and .../double.Name.
struct EntryTypeNames {
    template <class T> static std::string GetName(int) {
        return std::is_same_v<T, double> ? "double" : "reel";
    }
};
using EntryTypes = ::testing::Types<reel, double>;

} // namespace matrixbuild
