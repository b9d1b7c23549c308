#pragma once
#include <string>
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
    int extents = 0;    // text extents asked for
    int selections = 0; // fonts selected

    static int charWidth(const dcfont& f) { return f.height / 2 > 0 ? f.height / 2 : 1; }
    // Width of a text in a font: characters (not bytes) times the character width.
    static int widthOf(const std::string& text, const dcfont& f);

    const dcfont& selected() const { return selected_; }

    dcfont selectFont(const dcfont& f) override;
    dcsize textExtent(std::string_view text) override;
    dcmetrics metrics() override;
    void textOut(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;

private:
    dcfont selected_ = initialFont;
};
