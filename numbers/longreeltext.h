#pragma once
#include <iosfwd>
#include <string>
#include <string_view>

#include "longreel.h"

// The texts of longreel, the same as those of reel (reeltext.h) for every
// value that fits reel, only with integers of any length.

// Longest integer a text may give, in digits: longer ones are no number of
// this program (a file or pasted text holding one is refused).
constexpr std::size_t longreelMaxDigits = 10000;

// Stream form: "0", "7", "-1/2", "3/1/2", "-3/1/2".
std::ostream& operator<<(std::ostream& os, const longreel& x);
// Reads as reel does: one to three integers separated by "/" or ",", with the
// same rules for what follows them and for the sign. An integer longer than
// longreelMaxDigits fails the stream.
std::istream& operator>>(std::istream& is, longreel& x);

// Cell text: the stream form with "," for "/".
std::string cellText(const longreel& x);
longreel longreelFromCellText(std::string_view text);
// Whether longreelFromCellText reads all of text as the number it shows.
bool longCellTextReadsWhole(std::string_view text);

// Display form "whole,numerator,denominator", as displayText of reel.
std::string displayText(const longreel& x, bool mixed);
