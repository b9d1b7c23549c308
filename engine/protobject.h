#pragma once
#include <cstdint>
#include <iosfwd>

class DruckInfo;
class bruchfonts;
class dc;
struct dcrect;

// One record of a protocol: a line of text, a matrix snapshot, or the whole
// protocol itself. Measuring, drawing and printing join with the display,
// always with the settings s they are given (the screen's, or a copy scaled
// to the printer); a record is drawn with the settings it was measured with.
class protobject {
public:
    std::int32_t height = 0; // device units, set by measuring
    std::int32_t width = 0;

    protobject() = default;
    protobject(const protobject&) = delete;
    protobject& operator=(const protobject&) = delete;
    virtual ~protobject() = default;

    // Paints the record with its top-left corner at (x, y); clip is the part
    // of the device that needs painting. A record draws only once measured.
    virtual void draw(int x, int y, const bruchfonts& s, dc& d, const dcrect& clip) const = 0;
    // Sets height and width for the device context d.
    virtual void measure(const bruchfonts& s, dc& d) = 0;

    // Measuring in stages, so that a view of a long protocol opens at once.
    // layOut sets height exactly and width from what is cheap to measure;
    // the rest follows where it comes on screen (measureBand, for the band
    // top..bottom counted from the record's top) and bit by bit in the
    // background (measureMore, about `cells` matrix cells, counted down).
    // Both may only widen the record; measureMore is true while something
    // is left unmeasured. What is not measured yet is not drawn.
    virtual void layOut(const bruchfonts& s, dc& d) { measure(s, d); }
    virtual void measureBand(const bruchfonts& /*s*/, dc& /*d*/, int /*top*/, int /*bottom*/) {}
    virtual bool measureMore(const bruchfonts& /*s*/, dc& /*d*/, long& /*cells*/) { return false; }
    // Plain-text form, as in the protocol text file.
    virtual void write(std::ostream& os) const = 0;

    // Printing, through the print cursor on the printer's context with its
    // settings: paginate
    // lays the record out into print lines and registers it (addItem);
    // printPage draws the lines the cursor accepts for the page being printed
    // and moves the cursor on to the next record.
    virtual void paginate(DruckInfo& cursor) = 0;
    virtual void printPage(DruckInfo& cursor) const = 0;
};
