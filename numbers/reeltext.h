#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "reel.h"

// Stream form: "0", "7", "-1/2", "3/1/2", "-3/1/2" (sign only on the first number).
std::ostream& operator<<(std::ostream& os, const reel& x);

// Reads one to three integers separated by "/" or ",". After a one- or
// two-number value the single character that follows is consumed too (the
// separator test; in a matrix file the tab after the element); a three-number
// value ends at its last digit.
// A stream already at its end gives 0. A text that does not begin with a number
// gives 0 and leaves the stream failed. Never raises.
std::istream& operator>>(std::istream& is, reel& x);

// Cell text: the stream form with "," for "/" ("3,1,2", "-1,2", "0").
std::string cellText(const reel& x);
// Empty text gives 0; one trailing "," is dropped; the rest is read as a stream.
reel reelFromCellText(std::string_view text);
// Whether reelFromCellText reads the whole text as the number it shows: one
// to three integers separated by "," or "/" and nothing else, a fraction of
// this system, no denominator 0. Empty text reads as 0.
bool cellTextReadsWhole(std::string_view text);

// Display form: three comma-separated fields whole,numerator,denominator with
// the sign on the first field ("-" alone when there is no whole part).
// mixed = true keeps the whole part ("-3,1,2"), false gives the improper
// fraction ("-,7,2"), whose numerator may exceed 32 bits.
std::string displayText(const reel& x, bool mixed);

// Decimal digits of a*b + c for non-negative 32-bit a, b, c, exactly.
std::string decimalText(std::int32_t a, std::int32_t b, std::int32_t c);
