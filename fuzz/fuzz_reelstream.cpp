// The fraction readers on arbitrary text: they never raise, never read past
// the input, and every value they give is normalised and writes back to
// itself; the long reader reads what the 32-bit one reads, to the same place.
#include <cstdlib>
#include <sstream>
#include <string>

#include "longreeltext.h"
#include "reeltext.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream is(text), longIs(text);
    for (int i = 0; i < 64 && is.good(); ++i) {
        reel x;
        is >> x;
        if (!x.isNormal()) std::abort();
        longreel l;
        longIs >> l;
        std::ostringstream longText;
        longText << l;
        std::istringstream longBack(longText.str());
        longreel m;
        longBack >> m;
        if (!(m == l)) std::abort();
        if (!is.fail() && (!(l == longreel(x)) || longIs.fail() || is.eof() != longIs.eof()))
            std::abort();
        if (is.fail()) break;
        std::ostringstream os;
        os << x;
        std::istringstream back(os.str());
        reel y;
        back >> y;
        if (!y.sameFields(x)) std::abort();
    }
    return 0;
}
