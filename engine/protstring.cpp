#include "protstring.h"

#include <ostream>

void protstring::write(std::ostream& os) const { os << text << '\n' << std::flush; }
