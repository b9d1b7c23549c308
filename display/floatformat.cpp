#include "floatformat.h"

#include <ios>

void FloatFormat::apply(std::ios_base& s) const {
    s.unsetf(std::ios_base::floatfield);
    if (fformat == 0)
        s.setf(std::ios_base::scientific, std::ios_base::floatfield);
    else if (fformat == 1)
        s.setf(std::ios_base::fixed, std::ios_base::floatfield);
    if (showpoint)
        s.setf(std::ios_base::showpoint);
    else
        s.unsetf(std::ios_base::showpoint);
    if (showpos)
        s.setf(std::ios_base::showpos);
    else
        s.unsetf(std::ios_base::showpos);
    s.precision(precision);
}
