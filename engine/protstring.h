#pragma once
#include <string>

#include "protobject.h"

// One protocol line, without its newline. Measured and drawn in the context's
// current font.
class protstring : public protobject {
public:
    std::string text;

    explicit protstring(std::string t) : text(std::move(t)) {}
    void draw(int x, int y, dc& d, const dcrect& clip) const override;
    void measure(dc& d) override;
    void write(std::ostream& os) const override;
};
