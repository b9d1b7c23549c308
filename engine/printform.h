#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How pagination cut one record into print lines. The print cursor keeps
// one for every record of its job, so printing measures nothing a view holds.
class PrintForm {
public:
    // A text line's: where in the text each print line starts (the first at
    // 0), and the height of a print line.
    std::vector<std::size_t> lineStarts;
    int lineHeight = 0;
    // A matrix's: its column widths measured with the printer's settings,
    // the first column of every strip, and the width of the continuation mark.
    std::vector<std::int32_t> columnWidths;
    std::vector<int> strips;
    int markWidth = 0;
    // The note of the step, printed line by line below the matrix.
    std::vector<std::string> notes;
};
