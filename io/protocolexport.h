#pragma once
#include <string>
#include <vector>

#include "floatformat.h"

class protstream;

// The protocol as a document to hand in, in two forms:
//   - LaTeX (article with amsmath): every text record a paragraph of its own,
//     every snapshot a pmatrix in display math, fractions as \frac, mixed
//     numbers as the whole part followed by \frac;
//   - a self-contained HTML page: the same, with fractions stacked by CSS and
//     matrices drawn as tables between round brackets.
// Doubles appear as the display shows them (the given format), an exponent
// as a power of ten. The pending unfinished line is not part of it, as in
// the protocol text file; snapshots shown only to the eye are.
//
// With notes, every snapshot that keeps a note of its step shows the note's
// lines (noteLines) beside the matrix and its pivot entry marked: in LaTeX
// boxed, with the lines in an array to the right; in HTML a box around the
// cell, the lines in a list to the right, and the headings set apart.
// Without notes (the default) it shows the headings and the matrices only; a
// protocol that noted nothing comes out the same either way.
class ProtocolExport {
public:
    static std::string latex(const protstream& protocol, const FloatFormat& format,
                             bool notes = false);
    static std::string html(const protstream& protocol, const FloatFormat& format,
                            const std::string& title, bool notes = false);

    // One entry in either form (for tests and the two writers).
    struct Number {
        bool negative = false;
        std::string whole;              // empty when there is none
        std::string num, den;           // empty when the value is whole
        std::string mantissa, exponent; // doubles: exponent empty without one
    };
};
