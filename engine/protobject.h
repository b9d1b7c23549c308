#pragma once
#include <cstdint>
#include <iosfwd>

class DruckInfo;
class ProtLayout;
class bruchfonts;
class dc;
struct dcrect;

// One record of a protocol: a line of text, a matrix snapshot, or the whole
// protocol itself. A record is plain data; what measuring finds goes into a
// layout kept by whoever shows the record (ProtLayout), what pagination finds
// into the print cursor. Measuring, drawing and printing join with the
// display, always with the settings s they are given (the screen's, or a copy
// scaled to the printer); a record is drawn with the layout measured with
// those settings.
class protobject {
public:
    protobject() = default;
    protobject(const protobject&) = delete;
    protobject& operator=(const protobject&) = delete;
    virtual ~protobject() = default;

    // Paints the record as laid out in l with its top-left corner at (x, y);
    // clip is the part of the device that needs painting. What is not
    // measured yet is not drawn.
    virtual void draw(const ProtLayout& l, int x, int y, const bruchfonts& s, dc& d,
                      const dcrect& clip) const = 0;
    // Lays the record out whole into l for the device context d.
    virtual void measure(ProtLayout& l, const bruchfonts& s, dc& d) const = 0;

    // Measuring in stages, so that a view of a long protocol opens at once.
    // layOut sets l's height exactly and its width from what is cheap to
    // measure; the rest follows where it comes on screen (measureBand, for the
    // band top..bottom counted from the record's top) and bit by bit in the
    // background (measureMore, about `cells` matrix cells, counted down).
    // Both may only widen the record; measureMore is true while something is
    // left unmeasured.
    virtual void layOut(ProtLayout& l, const bruchfonts& s, dc& d) const { measure(l, s, d); }
    virtual void measureBand(ProtLayout& /*l*/, const bruchfonts& /*s*/, dc& /*d*/, int /*top*/,
                             int /*bottom*/) const {}
    virtual bool measureMore(ProtLayout& /*l*/, const bruchfonts& /*s*/, dc& /*d*/,
                             long& /*cells*/) const {
        return false;
    }
    // Changes whenever the record's content does, so that a layout made
    // before can be told from a current one.
    virtual std::uint64_t revision() const { return 0; }
    // Plain-text form, as in the protocol text file.
    virtual void write(std::ostream& os) const = 0;

    // Printing, through the print cursor on the printer's context with its
    // settings: paginate cuts the record into print lines and registers them
    // with their print form (addItem); printPage draws the lines the cursor
    // accepts for the page being printed and moves the cursor on to the next
    // record.
    virtual void paginate(DruckInfo& cursor) const = 0;
    virtual void printPage(DruckInfo& cursor) const = 0;
};
