#pragma once
#include "fractiondocument.h"

// A document of exact fractions of integers of any length: no computation
// overflows. Its texts are those of MatrixReel.
class MatrixLong : public FractionDocument<longreel> {
public:
    using FractionDocument::FractionDocument;

    // The long copy of a matrix of any element type: fractions exactly, each
    // double as the fraction of its shortest decimal (0.1 as 1/10).
    template <class T> static MatrixLong converted(const matrix<T>& m, protstream* p) {
        return MatrixDocument::converted<MatrixLong>(m, p, [](const T& x) {
            if constexpr (std::is_same_v<T, double>)
                return longreel::ofDecimal(x);
            else
                return longreel(x);
        });
    }

    static constexpr const char* kindName = "lange Bruchzahlen";
    NumberKind kind() const override { return NumberKind::Long; }

    static bool cellTextReadsWhole(std::string_view text) { return longCellTextReadsWhole(text); }
};
