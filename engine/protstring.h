#pragma once
#include <string>

#include "protobject.h"

// One protocol line, without its newline.
class protstring : public protobject {
public:
    std::string text;

    explicit protstring(std::string t) : text(std::move(t)) {}
    void write(std::ostream& os) const override;
};
