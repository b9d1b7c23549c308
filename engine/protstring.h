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

    // The print form, set by paginate: where in text each print line starts
    // (the first at 0), and the height of a print line.
    std::vector<std::size_t> printLines;
    int printLineHeight = 0;

    explicit protstring(std::string t) : text(std::move(t)) {}
    void draw(int x, int y, const bruchfonts& s, dc& d, const dcrect& clip) const override;
    void measure(const bruchfonts& s, dc& d) override;
    void write(std::ostream& os) const override;
    void paginate(DruckInfo& cursor) override;
    void printPage(DruckInfo& cursor) const override;

    // Where the print lines of text start when each is at most width wide:
    // cut just after a blank, and a word wider than the page inside the word;
    // every line holds at least one character.
    static std::vector<std::size_t> breakLines(const std::string& text, int width, dc& d);
};
