// Doubles as text: the fast conversion gives exactly what a fresh stream with
// the format applied gives, for every notation, flag and precision.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "floatformat.h"

TEST(FloatFormatText, SameTextAsAStreamWithTheFormatApplied) {
    const double values[] = {0.0,
                             -0.0,
                             0.5,
                             -2.5,
                             1.0 / 3.0,
                             123456789.0,
                             2.5e-7,
                             1e16,
                             -1e300,
                             1e-300,
                             5e-324,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
    for (int fformat = 0; fformat <= 3; ++fformat)
        for (const bool showpoint : {false, true})
            for (const bool showpos : {false, true})
                for (const int precision : {0, 1, 2, 6, 15, 17, 99})
                    for (const double v : values) {
                        const FloatFormat f{fformat, showpoint, showpos, precision};
                        std::ostringstream os;
                        f.apply(os);
                        os << v;
                        ASSERT_EQ(f.text(v), os.str())
                            << fformat << showpoint << showpos << " " << precision;
                    }
}
