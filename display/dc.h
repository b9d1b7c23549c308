#pragma once
#include <string>
#include <string_view>

// A font as the settings describe it: face name and character cell height in
// the device units of the context it is used on.
struct dcfont {
    std::string face;
    int height = 0;
    bool operator==(const dcfont&) const = default;
};

struct dcsize {
    int cx = 0;
    int cy = 0;
};

struct dcmetrics {
    int height = 0;   // character cell height
    int avgWidth = 0; // average character width
};

// A rectangle in device units; right and bottom are inclusive edges.
struct dcrect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The drawing the number layouts and protocol records need: fonts by
// description, text extents and metrics, text at a top-left point, a line
// with the current pen. The screen and the printer each have an adapter;
// tests use a recording one with a fixed-width font.
class dc {
public:
    virtual ~dc() = default;

    // Selects a font and returns the one that was selected before.
    virtual dcfont selectFont(const dcfont& f) = 0;
    // Extent of a text in the selected font.
    virtual dcsize textExtent(std::string_view text) = 0;
    // Metrics of the selected font.
    virtual dcmetrics metrics() = 0;
    // Text with its top-left corner at (x, y), in the selected font.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

// Selects a font for a scope and restores the previous one at its end.
class FontSelection {
public:
    FontSelection(dc& d, const dcfont& f) : dc_(d), previous_(d.selectFont(f)) {}
    ~FontSelection() { dc_.selectFont(previous_); }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    dc& dc_;
    dcfont previous_;
};
