#pragma once
#include "fractiondocument.h"

// A document of exact fractions of 32-bit integers.
class MatrixReel : public FractionDocument<reel> {
public:
    using FractionDocument::FractionDocument;

    static constexpr const char* kindName = "Bruchzahlen";
    NumberKind kind() const override { return NumberKind::Exact; }

    // Whether setCellText reads all of text, as the number it shows.
    static bool cellTextReadsWhole(std::string_view text) { return ::cellTextReadsWhole(text); }
};
