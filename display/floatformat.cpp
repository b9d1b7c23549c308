#include "floatformat.h"

#include <charconv>
#include <cmath>
#include <ios>
#include <sstream>

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

std::string FloatFormat::text(double v) const {
    // A stream turns doubles into text as printf's %.*e, %.*f and %.*g in the
    // C locale do, and so does to_chars with a precision, only much faster;
    // the show-point form has no to_chars equivalent and takes the stream.
    if (!showpoint && precision >= 0 && precision <= 99) {
        const std::chars_format notation = fformat == 0   ? std::chars_format::scientific
                                           : fformat == 1 ? std::chars_format::fixed
                                                          : std::chars_format::general;
        char buffer[512]; // fixed notation of the largest double with 99 decimals: 410
        char* p = buffer;
        if (showpos && !std::signbit(v)) *p++ = '+';
        const auto done = std::to_chars(p, buffer + sizeof buffer, v, notation, precision);
        if (done.ec == std::errc()) return std::string(buffer, done.ptr);
    }
    // Every flag a fresh stream would differ in is set by apply().
    thread_local std::ostringstream os;
    os.str(std::string());
    os.clear();
    apply(os);
    os << v;
    return os.str();
}
