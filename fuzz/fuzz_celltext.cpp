// Typed cell texts for every number kind: any text gives a valid element,
// and an exact cell's shown text reads back to the same element; a long cell
// holds what a 32-bit one holds wherever that one reads the whole text.
#include <cmath>
#include <cstdlib>
#include <string>

#include "matrixfloat.h"
#include "matrixlong.h"
#include "matrixreel.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // The entry line holds at most 20 characters, but paste and tests may give more.
    const std::string text(reinterpret_cast<const char*>(data), size);
    MatrixReel exact(1, 1, nullptr);
    exact.setCellText(0, 0, text);
    if (!exact.at(0, 0).isNormal()) std::abort();
    MatrixReel again(1, 1, nullptr);
    again.setCellText(0, 0, exact.cellText(0, 0, {}));
    if (!again.at(0, 0).sameFields(exact.at(0, 0))) std::abort();

    MatrixLong wide(1, 1, nullptr), wideAgain(1, 1, nullptr);
    wide.setCellText(0, 0, text);
    wideAgain.setCellText(0, 0, wide.cellText(0, 0, {}));
    if (!(wideAgain.at(0, 0) == wide.at(0, 0))) std::abort();
    if (MatrixReel::cellTextReadsWhole(text) && !(wide.at(0, 0) == longreel(exact.at(0, 0))))
        std::abort();

    MatrixFloat floating(1, 1, nullptr);
    floating.setCellText(0, 0, text);
    if (!std::isfinite(floating.at(0, 0))) std::abort();
    return 0;
}
