#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "longreel.h"
#include "reel.h"

// What one step of an algorithm did to the matrix, beside the snapshot it
// led to: the protocol view explains the step with it, the text file never
// shows it. Rows and columns count from 0; numbers are kept as exact texts
// ("-7/2", "0.1" for doubles) that the fraction readers read back.
struct RowOperation {
    enum class Kind : std::uint8_t {
        Swap,     // rows `row` and `other` change places
        Scale,    // row `row` times `factor`
        Subtract, // row `row` minus `factor` times row `other`
    };
    Kind kind = Kind::Swap;
    std::int32_t row = 0;
    std::int32_t other = 0;
    std::string factor;
};

struct StepNote {
    // The pivot of the step in the snapshot after it; -1 when there is none.
    std::int32_t pivotRow = -1;
    std::int32_t pivotColumn = -1;
    // Row operations, in the order they were applied.
    std::vector<RowOperation> operations;
    // An exchange step at the pivot (the whole tableau changes, not rows).
    bool exchange = false;
    // Exchange steps: the constraint row whose form the entering column held
    // (-1: the column's own variable), and the corner entry afterwards, the
    // objective's value at the new vertex.
    std::int32_t enteringForm = -1;
    std::string objective;

    bool empty() const { return pivotRow < 0 && operations.empty() && !exchange; }
};

// The exact text of a number as a note keeps it: an improper fraction or an
// integer with "-" for negative values; a double as the shortest decimal
// that reads back to it.
std::string noteNumber(const reel& x);
std::string noteNumber(const longreel& x);
std::string noteNumber(double x);
// a / b, exactly for fractions (however long the result gets); b is not 0.
std::string noteQuotient(const reel& a, const reel& b);
std::string noteQuotient(const longreel& a, const longreel& b);
std::string noteQuotient(double a, double b);

// The note as a student reads it, one German line each:
// "Pivot (2,3)", "Z2 ↔ Z1", "Z1 := 1/2 · Z1", "Z3 := Z3 − 2 · Z1",
// "x2 tritt ein, Zeile 3 verlässt", "Zielwert: 12".
std::vector<std::string> noteLines(const StepNote& note);
