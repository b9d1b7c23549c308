#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dc.h"

// A drawing context that measures each distinct text once per font and
// answers repeats from memory. The grid lays out every cell of a matrix, and
// shaping texts through the font engine is what made laying out a 999 x 999
// matrix slow. Font selections stay inside the cache until a text really has
// to be measured or drawn on the underlying context.
//
// Number texts need not even be measured once. Shaping adds up the glyphs'
// advances (fixed point, 1/64 pixel) and kerning, and rounds the sum. When a
// font shows no kerning between the characters of numbers, a number's width
// is therefore its characters' advances added and rounded. The first numbers
// are also measured for real, and any difference turns the shortcut off.
class ExtentCache : public dc {
public:
    explicit ExtentCache(dc& real) : real_(real) {}

    dcfont selectFont(const dcfont& f) override;
    dcsize textExtent(std::string_view text) override;
    dcmetrics metrics() override;
    void textOut(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override { real_.line(x1, y1, x2, y2); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    struct Font {
        dcfont font;
        std::unordered_map<std::string, dcsize, Hash, std::equal_to<>> extents;
        bool measured = false;
        dcmetrics metrics;
        int additive = -1;      // -1 not yet tried, 0 no, 1 yes
        int advances[128] = {}; // of the number characters, in 1/64 pixel
        int height = 0;         // extent height of any text in the font
        int checked = 0;        // sums compared with real measurements
    };

    bool additive(Font& f);
    dcsize measure(Font& f, std::string_view text);

    dc& real_;
    std::vector<Font> fonts_;
    int current_ = -1; // index into fonts_; -1: whatever the real context has
};
