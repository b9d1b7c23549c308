// Fractions and doubles laid out and drawn on the recording context, whose
// font is 13 units wide per character for font A (Arial 26) and 8 for font B
// (Arial 16): HA 26, WA 13, HB 16, Z 3.
#include <gtest/gtest.h>

#include "bruchfonts.h"
#include "recordingdc.h"
#include "strbruch.h"
#include "strfloat.h"

namespace {

using Log = std::vector<std::string>;

class NumberLayout : public testing::Test {
protected:
    NumberLayout() { s.measure(d); }
    Log drawn(const strbruch& b, int x, int y) {
        d.log.clear();
        b.draw(x, y, s, d);
        EXPECT_EQ(d.selected(), RecordingDc::initialFont);
        return d.log;
    }
    RecordingDc d;
    bruchfonts s;
};

} // namespace

// The widths of mixed fractions, whole numbers and wide denominators are
// pinned by the drawing tests below (each drawn right-aligned from its width).
TEST_F(NumberLayout, WidthsOfFractionsWithAndWithoutAWholePart) {
    EXPECT_EQ(strbruch(reel(1, 2), s, d).width, 8);           // max("1", "2") in B, no gap
    EXPECT_EQ(strbruch(reel(-1, 2), s, d).width, 13 + 6 + 8); // "-" is a whole part
    EXPECT_EQ(d.selected(), RecordingDc::initialFont);
}

TEST_F(NumberLayout, MixedFractionWholePartCentredOnTheFractionBand) {
    const strbruch b(reel(3, 1, 2), s, d);
    // Right-aligned at 27, its width: starts at 0.
    EXPECT_EQ(drawn(b, 27, 100), (Log{"text Arial/26 0,104 3", // (2*16 + 3 - 26) / 2 = 4
                                     "text Arial/16 19,119 2", "text Arial/16 19,100 1",
                                     "line 19,117 27,117"}));
}

TEST_F(NumberLayout, NarrowNumeratorIsCentredOverAWideDenominatorRightAligned) {
    const strbruch b(reel(1, 12), s, d);
    // Right edge 100, width 16: starts at 84; "1" at 84 + (16 - 8) / 2.
    EXPECT_EQ(drawn(b, 100, 0),
              (Log{"text Arial/16 84,19 12", "text Arial/16 88,0 1", "line 84,17 100,17"}));
}

TEST_F(NumberLayout, WideNumeratorCentresTheDenominator) {
    s.nurbruch = true;
    s.rechtszentriert = false;
    const strbruch b(reel(100, 3), s, d); // improper: 100 over 3
    EXPECT_EQ(b.width, 24);
    EXPECT_EQ(drawn(b, 0, 0),
              (Log{"text Arial/16 8,19 3", "text Arial/16 0,0 100", "line 0,17 24,17"}));
}

TEST_F(NumberLayout, ImproperFractionsWhenNurbruchIsOn) {
    s.nurbruch = true;
    s.rechtszentriert = false;
    const strbruch b(reel(-2, 1, 3), s, d);
    EXPECT_EQ(b.whole, "-");
    EXPECT_EQ(b.numerator, "7");
    EXPECT_EQ(b.denominator, "3");
    EXPECT_EQ(drawn(b, 0, 0), (Log{"text Arial/26 0,4 -", "text Arial/16 19,19 3",
                                   "text Arial/16 19,0 7", "line 19,17 27,17"}));
    EXPECT_EQ(strbruch(reel(3, 1, 2), s, d).numerator, "7");
}

TEST_F(NumberLayout, WholeNumbersAreOneTextInFontACentredOnTheBand) {
    EXPECT_EQ(drawn(strbruch(reel(0), s, d), 13, 0), (Log{"text Arial/26 0,4 0"}));
    s.fontA = {"Arial", 40};
    s.measure(d);
    // Taller than the band: starts above the row; (35 - 40) / 2 truncates to -2.
    EXPECT_EQ(drawn(strbruch(reel(7), s, d), 20, 50), (Log{"text Arial/40 0,48 7"}));
}

TEST_F(NumberLayout, DoublesInTheSettingsFormatAlignedAtTheRowTop) {
    s.fformat = 1;
    s.precision = 2;
    const strfloat f(0.5, s, d);
    EXPECT_EQ(f.text, "0.50");
    EXPECT_EQ(f.width, 4 * 13);
    s.showpos = true;
    const strfloat signedHalf(0.5, s, d);
    EXPECT_EQ(signedHalf.text, "+0.50");

    d.log.clear();
    signedHalf.draw(100, 7, s, d); // right aligned: ends at 100
    s.rechtszentriert = false;
    signedHalf.draw(100, 7, s, d);
    EXPECT_EQ(d.log, (Log{"text Arial/26 35,7 +0.50", "text Arial/26 100,7 +0.50"}));
    EXPECT_EQ(d.selected(), RecordingDc::initialFont);
}
