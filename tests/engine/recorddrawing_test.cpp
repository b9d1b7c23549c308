// Measuring protocol records into a layout and drawing them as laid out, on
// the recording context. Font A is Arial 20 (10 units a character), font B
// Arial 16, the context's own font 10 a character and 20 high; so a fraction
// row is 2 * 16 + 3 + 10 = 45 high, a float row 30, and a whole number's top
// (35 - 20) / 2 = 7 below its row's top.
#include <gtest/gtest.h>

#include "bruchfonts.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protlayout.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protstring.h"
#include "recordingdc.h"

namespace {

using Log = std::vector<std::string>;
using Widths = std::vector<std::int32_t>;
constexpr dcrect everything{-100000, -100000, 100000, 100000};

class RecordDrawing : public testing::Test {
protected:
    RecordDrawing() {
        s.fontA = {"Arial", 20};
        s.measure(d);
    }
    static protmatrix exact(std::vector<std::vector<reel>> rows) {
        auto m = std::make_unique<MatrixReel>(int(rows.size()), int(rows[0].size()), nullptr);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) m->at(int(r), int(c)) = rows[r][c];
        return protmatrix(std::move(m));
    }
    ProtLayout measured(const protobject& p) {
        ProtLayout l;
        p.measure(l, s, d);
        return l;
    }
    Log drawn(const protobject& p, const ProtLayout& l, int x, int y, dcrect clip = everything) {
        d.log.clear();
        p.draw(l, x, y, s, d, clip);
        EXPECT_EQ(d.selected(), RecordingDc::initialFont);
        return d.log;
    }
    RecordingDc d;
    bruchfonts s;
};

} // namespace

TEST_F(RecordDrawing, AGapBeforeEveryColumnCellsAtAnEdgeOrAllAsWideAsTheWidest) {
    const protmatrix p = exact({{123, 12345}, {5, 7}});
    const ProtLayout l = measured(p);
    EXPECT_EQ(l.columnWidths, (Widths{30, 50}));
    EXPECT_EQ(l.width, 80);
    EXPECT_EQ(l.height, 2 * 45);
    // Columns start at 10 and 50; right-aligned cells end at 40 and 100.
    EXPECT_EQ(drawn(p, l, 0, 0), (Log{"text Arial/20 10,7 123", "text Arial/20 30,52 5",
                                      "text Arial/20 50,7 12345", "text Arial/20 90,52 7"}));
    s.rechtszentriert = false;
    EXPECT_EQ(drawn(p, l, 0, 100), (Log{"text Arial/20 10,107 123", "text Arial/20 10,152 5",
                                        "text Arial/20 50,107 12345", "text Arial/20 50,152 7"}));
    s.rechtszentriert = true;
    s.fixbreite = true; // the width stays the sum of the columns' own widths
    const ProtLayout fixed = measured(p);
    EXPECT_EQ(fixed.columnWidths, (Widths{50, 50}));
    EXPECT_EQ(fixed.width, 80);
    EXPECT_EQ(drawn(p, fixed, 0, 0)[0], "text Arial/20 30,7 123");
}

TEST_F(RecordDrawing, MeasuredInStagesItEndsAsMeasuredAtOnceAndDrawsOnlyWhatIsMeasured) {
    s.fixbreite = true;
    protstream p;
    matrix<reel> m(3, 2, &p);
    p << "Anfang\n" << m;
    m.at(2, 1) = reel(123456);
    p << m << "Ende\n";
    ProtLayout l;
    p.layOut(l, s, d);
    EXPECT_EQ(l.height, 20 + 3 * 45 + 3 * 45 + 20); // heights are exact at once
    EXPECT_EQ(l.width, 60);                         // "Anfang"; no matrix yet
    EXPECT_EQ(drawn(p, l, 0, 0), (Log{"text System/20 0,0 Anfang", "text System/20 0,290 Ende"}));

    long cells = 5; // two of the first matrix's three rows
    EXPECT_TRUE(p.measureMore(l, s, d, cells));
    EXPECT_FALSE(l.parts[1].measured());
    p.measureBand(l, s, d, 20 + 3 * 45 + 1, 20 + 3 * 45 + 1); // the second matrix's top row
    EXPECT_TRUE(l.parts[2].measured());
    EXPECT_EQ(l.parts[2].columnWidths, (Widths{60, 60}));
    EXPECT_EQ(l.width, 70);
    while (cells = 1, p.measureMore(l, s, d, cells)) {
    }
    const ProtLayout whole = measured(p);
    EXPECT_EQ(l.width, whole.width);
    for (std::size_t i = 0; i < l.parts.size(); ++i)
        EXPECT_EQ(l.parts[i].columnWidths, whole.parts[i].columnWidths) << i;
}

TEST_F(RecordDrawing, OnlyColumnsAndRowsMeetingTheClipAreDrawn) {
    const protmatrix p = exact({{123, 12345, 1}});
    const ProtLayout l = measured(p); // columns [10, 40], [50, 100], [110, 120]
    EXPECT_EQ(drawn(p, l, 0, 0, {41, 0, 49, 1000}), Log{});
    EXPECT_EQ(drawn(p, l, 0, 0, {45, 0, 1000, 1000}),
              (Log{"text Arial/20 50,7 12345", "text Arial/20 110,7 1"}));
    EXPECT_EQ(drawn(p, l, 0, 0, {0, 0, 50, 1000}),
              (Log{"text Arial/20 10,7 123", "text Arial/20 50,7 12345"}));
    EXPECT_EQ(drawn(p, l, 0, 1001, {0, 0, 1000, 1000}), Log{});
    EXPECT_EQ(drawn(p, l, 0, -46, {0, 0, 1000, 1000}), Log{});

    const protmatrix column = exact(std::vector<std::vector<reel>>(100, {7}));
    const Log log = drawn(column, measured(column), 0, 0, {0, 50 * 45, 1000, 50 * 45 + 10});
    EXPECT_LE(log.size(), 3u);
    EXPECT_NE(std::find(log.begin(), log.end(), "text Arial/20 10,2257 7"), log.end());
}

TEST_F(RecordDrawing, UnmeasuredAndEmptySnapshotsDrawNothingAndEveryCellIsMeasuredOnce) {
    const protmatrix one = exact({{1}});
    ProtLayout unmeasured;
    EXPECT_EQ(drawn(one, unmeasured, 0, 0), Log{});
    const protmatrix none(std::make_unique<MatrixReel>(0, 0, nullptr));
    const ProtLayout empty = measured(none);
    EXPECT_EQ(empty.height + empty.width, 0);
    EXPECT_EQ(drawn(none, empty, 0, 0), Log{});

    measured(exact({{reel(3, 1, 2), reel(-1, 2)}, {reel(1), reel(0)}}));
    EXPECT_EQ(d.extents, 3 + 3 + 1 + 1); // whole, numerator, denominator when present
    d.extents = 0;
    auto doubles = std::make_unique<MatrixFloat>(1, 2, nullptr);
    doubles->at(0, 0) = -2.5;
    const protmatrix floats(std::move(doubles));
    const ProtLayout f = measured(floats);
    EXPECT_EQ(d.extents, 2);
    EXPECT_EQ(f.columnWidths, (Widths{40, 10}));
    EXPECT_EQ(f.height, 30);
    EXPECT_EQ(drawn(floats, f, 0, 0), (Log{"text Arial/20 10,0 -2.5", "text Arial/20 60,0 0"}));
}

TEST_F(RecordDrawing, AProtocolStacksItsLinesAndSnapshotsTestedAgainstTheClipVertically) {
    protstream p;
    EXPECT_EQ(measured(p).height + measured(p).width, 0);
    matrix<reel> m(1, 1, &p);
    m.at(0, 0) = reel(5);
    p << "Gauss von\n" << m << "Ende\n";
    const ProtLayout l = measured(p);
    EXPECT_EQ(l.height, 20 + 45 + 20);
    EXPECT_EQ(l.width, 90);
    EXPECT_EQ(drawn(p, l, 0, 0), (Log{"text System/20 0,0 Gauss von", "text Arial/20 10,27 5",
                                      "text System/20 0,65 Ende"}));
    EXPECT_EQ(drawn(p, l, 0, 0, {0, 66, 100, 100}), (Log{"text System/20 0,65 Ende"}));
    EXPECT_EQ(drawn(p, l, 0, -20, {0, 0, 10, 44}),
              (Log{"text System/20 0,-20 Gauss von", "text Arial/20 10,7 5"}));
    EXPECT_EQ(drawn(p, l, 0, 45, {0, 0, 10, 44}), Log{});
}
