// The fraction reader on arbitrary text: it never raises, never reads past the
// input, and every value it gives is normalised and writes back to itself.
#include <cstdlib>
#include <sstream>
#include <string>

#include "reeltext.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::istringstream is(std::string(reinterpret_cast<const char*>(data), size));
    for (int i = 0; i < 64 && is.good(); ++i) {
        reel x;
        is >> x;
        if (!x.isNormal()) std::abort();
        std::ostringstream os;
        os << x;
        std::istringstream back(os.str());
        reel y;
        back >> y;
        if (!y.sameFields(x)) std::abort();
    }
    return 0;
}
