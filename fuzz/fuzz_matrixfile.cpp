// The matrix file reader on arbitrary bytes, in all three forms: it opens or
// refuses without crashing, and a file it opens writes back to a file that
// reads to the same matrix.
#include <cstdlib>
#include <sstream>
#include <string>

#include "matrixfile.h"

namespace {
std::string elements(const MatrixObject& m) {
    std::ostringstream os;
    os.precision(17);
    m.write(os);
    return os.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MatrixFile::Loaded first = MatrixFile::parse(bytes);
    if (!first) return 0;
    const MatrixObject& m = *first.document;
    if (m.rows() < 1 || m.cols() < 1 || (long long)m.rows() * m.cols() > MatrixFile::maxElements)
        std::abort();
    // Large announced sizes are all zeros after the first few elements; the
    // round trip of those would only slow the search down.
    if ((long long)m.rows() * m.cols() > 100000) return 0;
    // Doubles go back with every digit so that the comparison is exact.
    FloatFormat exact;
    exact.precision = 17;
    MatrixFile::Loaded second = MatrixFile::parse(MatrixFile::text(m, exact));
    if (!second || second.document->kind() != m.kind() || second.document->rows() != m.rows() ||
        second.document->cols() != m.cols() || elements(*second.document) != elements(m))
        std::abort();
    return 0;
}
