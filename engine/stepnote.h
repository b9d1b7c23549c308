#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "longreel.h"
#include "reel.h"

// A number of a note, in the kind of the matrix it came from.
using NoteNumber = std::variant<double, reel, longreel>;

// What one step of an algorithm did to the matrix, beside the snapshot it
// led to: the protocol view explains the step with it, the text file never
// shows it. Rows and columns count from 0. A factor is kept as the two
// numbers the step had at hand, so that recording costs a run no arithmetic
// (and no overflow) and the text is made only when someone reads it.
struct RowOperation {
    enum class Kind : std::uint8_t {
        Swap,     // rows `row` and `other` change places
        Scale,    // row `row` times factor
        Subtract, // row `row` minus factor times row `other`
    };
    Kind kind = Kind::Swap;
    std::int32_t row = 0;
    std::int32_t other = 0;
    // The factor is numerator / denominator.
    NoteNumber numerator = 0.0;
    NoteNumber denominator = 1.0;

    // The factor's exact text: "-7/2", "3"; a double as the shortest decimal
    // that reads back to it. The fraction readers read it back.
    std::string factorText() const;
};

// What one step did. An elimination step keeps only what its operations
// follow from: the pivot, the row exchanged into the pivot's row, the
// pivot's value and each row's entry in the pivot column as it was cleared,
// one number a row, so that explaining the steps costs a run no more than a
// column of each snapshot.
struct StepNote {
    enum class Method : std::uint8_t {
        None,
        Gauss,       // row i minus entry / pivot times the pivot row
        GaussJordan, // the pivot row divided by the pivot, then row i minus entry times it
    };
    using Column = std::variant<std::vector<double>, std::vector<reel>, std::vector<longreel>>;

    // The pivot of the step in the snapshot after it; -1 when there is none.
    std::int32_t pivotRow = -1;
    std::int32_t pivotColumn = -1;
    Method method = Method::None;
    std::int32_t exchangedWith = -1; // the row that changed places with the pivot's row
    NoteNumber pivotValue = 1.0;
    Column cleared; // zero for a row the step left alone
    // An exchange step at the pivot (the whole tableau changes, not rows).
    bool exchange = false;
    // Exchange steps: the constraint row whose form the entering column held
    // (-1: the column's own variable), and the corner entry afterwards, the
    // objective's value at the new vertex.
    std::int32_t enteringForm = -1;
    NoteNumber objective = 0.0;

    bool empty() const { return pivotRow < 0 && !exchange; }

    // An elimination with pivot p at (row, column) of a matrix of `rows` rows.
    template <class T>
    void eliminating(Method m, std::int32_t row, std::int32_t column, std::int32_t rows,
                     const T& p) {
        method = m;
        pivotRow = row;
        pivotColumn = column;
        pivotValue = p;
        cleared = std::vector<T>(std::size_t(rows), T(0));
    }
    // Row `row` had entry f in the pivot column, which the step cleared.
    template <class T> void clearedRow(std::int32_t row, const T& f) {
        std::get<std::vector<T>>(cleared)[std::size_t(row)] = f;
    }

    // The row operations of the step in the order a student does them:
    // the exchange, the scaling of the pivot row, then row by row.
    std::vector<RowOperation> operations() const;
};

// The exact text of a number as a note shows it: an improper fraction or an
// integer with "-" for negative values; a double as the shortest decimal
// that reads back to it.
std::string noteNumber(const reel& x);
std::string noteNumber(const longreel& x);
std::string noteNumber(double x);
std::string noteNumber(const NoteNumber& x);

// The note as a student reads it, one German line each:
// "Pivot (2,3)", "Z2 ↔ Z1", "Z1 := 1/2 · Z1", "Z3 := Z3 − 2 · Z1",
// "x2 tritt ein, Zeile 3 verlässt", "Zielwert: 12".
std::vector<std::string> noteLines(const StepNote& note);
// How many lines noteLines gives, without making them.
std::size_t noteLineCount(const StepNote& note);
