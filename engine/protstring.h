#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "protobject.h"

// One protocol line, without its newline. Measured, drawn and printed in the
// context's current font.
class protstring : public protobject {
public:
    std::string text;

    explicit protstring(std::string t) : text(std::move(t)) {}
    void draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
              const dcrect& clip) const override;
    void measure(ProtLayout& l, const bruchfonts& s, dc& d) const override;
    void write(std::ostream& os) const override;
    void paginate(DruckInfo& cursor) const override;
    void printPage(DruckInfo& cursor) const override;

    // Where the print lines of text start when each is at most width wide:
    // cut just after a blank, and a word wider than the page inside the word;
    // every line holds at least one character.
    static std::vector<std::size_t> breakLines(const std::string& text, int width, dc& d);
};
