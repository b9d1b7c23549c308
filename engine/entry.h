#pragma once
#include <cstddef>

#include "longreel.h"
#include "reel.h"

// The few entry operations in which exact and floating-point matrices differ.
// Doubles are compared exactly: there is no tolerance anywhere.
inline int entrySign(const reel& x) { return x.sign(); }
inline int entrySign(double x) { return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0); }

inline reel entryAbs(const reel& x) { return abs(x); }
inline double entryAbs(double x) { return x <= 0.0 ? -x : x; }

inline bool entryIsOne(const reel& x) { return x.whole == 1 && x.num == 0; }
inline bool entryIsOne(double x) { return x == 1.0; }

// Equal in value (for doubles -0 equals 0); normalised fractions compare field
// by field, without arithmetic that could overflow.
inline bool entrySame(const reel& a, const reel& b) { return a.sameFields(b); }
inline bool entrySame(double a, double b) { return a == b; }

inline int entrySign(const longreel& x) { return x.sign(); }
inline longreel entryAbs(const longreel& x) { return abs(x); }
inline bool entryIsOne(const longreel& x) { return x.isOne(); }
inline bool entrySame(const longreel& a, const longreel& b) { return a == b; }

// x - f * y into x, in this order (quotient, product, difference matter for
// doubles and for where an exact overflow arises); long fractions do it in
// one step without temporaries.
template <class T> void entrySubtractProduct(T& x, const T& f, const T& y) { x = x - f * y; }
inline void entrySubtractProduct(longreel& x, const longreel& f, const longreel& y) {
    x.subtractProduct(f, y);
}

// Memory an entry holds beyond its own size, for the snapshot budget.
inline std::size_t entryHeapBytes(const reel&) { return 0; }
inline std::size_t entryHeapBytes(double) { return 0; }
inline std::size_t entryHeapBytes(const longreel& x) { return x.heapBytes(); }
