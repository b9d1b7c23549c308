#pragma once
#include <string>
#include <utility>
#include <vector>

#include "dc.h"

// A drawing context with a fake fixed-width font, so layout arithmetic can be
// checked call by call: every character of a font of height h is h / 2 wide
// (at least 1), the cell height is h and the average width h / 2. The
// device's own font, selected at the start, is initialFont.
// Text output and lines are logged as
//   "text Arial/16 19,0 1"    (font, top-left corner, text)
//   "line 19,17 27,17"
class RecordingDc : public dc {
public:
    static inline const dcfont initialFont{"System", 20};

    std::vector<std::string> log;
    int extents = 0; // text extents asked for

    static int charWidth(const dcfont& f) { return f.height / 2 > 0 ? f.height / 2 : 1; }
    // Width of a text in a font: characters (UTF-8 lead bytes) times the character width.
    static int widthOf(std::string_view text, const dcfont& f) {
        int n = 0;
        for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return n * charWidth(f);
    }

    const dcfont& selected() const { return selected_; }

    dcfont selectFont(const dcfont& f) override { return std::exchange(selected_, f); }
    dcsize textExtent(std::string_view text) override {
        ++extents;
        return {widthOf(text, selected_), selected_.height};
    }
    dcmetrics metrics() override { return {selected_.height, charWidth(selected_)}; }
    void textOut(int x, int y, std::string_view text) override {
        log.push_back("text " + selected_.face + "/" + std::to_string(selected_.height) + " " +
                      std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
    }
    void line(int x1, int y1, int x2, int y2) override {
        log.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                      std::to_string(x2) + "," + std::to_string(y2));
    }

private:
    dcfont selected_ = initialFont;
};
