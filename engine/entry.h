#pragma once
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
