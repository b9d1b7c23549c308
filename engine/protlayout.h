#pragma once
#include <cstdint>
#include <vector>

// What measuring found for one protocol record, on one device with one set
// of settings. The records themselves are plain data; whoever shows them (a
// protocol view) keeps their layout, so a second view or a printout of the
// same records never disturbs it.
class ProtLayout {
public:
    std::int32_t height = 0; // device units
    std::int32_t width = 0;
    // A matrix's: the width of every column (final once measured()) and the
    // rows measured so far, -1 once all are.
    std::vector<std::int32_t> columnWidths;
    int measuredRows = 0;
    // A protocol's: one layout per record, in the records' order.
    std::vector<ProtLayout> parts;

    bool measured() const { return measuredRows < 0; }
};
