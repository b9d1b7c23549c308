// Measuring and drawing protocol records on the recording context. Font A is
// Arial 20 (10 units a character, HA 20), font B Arial 16 (8 a character,
// HB 16), the context's own font 10 a character and 20 high; so a fraction
// row is 2 * 16 + 3 + 10 = 45 high, a float row 30, and a whole number's top
// (35 - 20) / 2 = 7 below its row's top.
#include <gtest/gtest.h>

#include "bruchfonts.h"
#include "dc.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protstring.h"
#include "recordingdc.h"

namespace {

using Log = std::vector<std::string>;
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
    Log drawn(const protobject& p, int x, int y, dcrect clip = everything) {
        d.log.clear();
        p.draw(x, y, s, d, clip);
        EXPECT_EQ(d.selected(), RecordingDc::initialFont);
        return d.log;
    }
    RecordingDc d;
    bruchfonts s;
};

} // namespace

TEST_F(RecordDrawing, AGapBeforeEveryColumnAndCellsAtTheRightEdge) {
    protmatrix p = exact({{123, 12345}, {5, 7}});
    p.measure(s, d);
    EXPECT_EQ(p.columnWidths, (std::vector<std::int32_t>{30, 50}));
    EXPECT_EQ(p.width, 80);
    EXPECT_EQ(p.height, 2 * 45);
    // Columns start at 10 and 50; right-aligned cells end at 40 and 100.
    EXPECT_EQ(drawn(p, 0, 0), (Log{"text Arial/20 10,7 123", "text Arial/20 30,52 5",
                                   "text Arial/20 50,7 12345", "text Arial/20 90,52 7"}));
    s.rechtszentriert = false;
    EXPECT_EQ(drawn(p, 0, 100), (Log{"text Arial/20 10,107 123", "text Arial/20 10,152 5",
                                     "text Arial/20 50,107 12345", "text Arial/20 50,152 7"}));
}

TEST_F(RecordDrawing, MeasuredInStagesItEndsAsMeasuredAtOnceAndDrawsOnlyThen) {
    s.fixbreite = true;
    protstream p;
    matrix<reel> m(3, 2, &p);
    p << "Anfang\n" << m;
    m.at(2, 1) = reel(123456);
    p << m << "Ende\n";
    auto& first = static_cast<protmatrix&>(**std::next(p.records().begin()));
    auto& second = static_cast<protmatrix&>(**std::next(p.records().begin(), 2));

    p.layOut(s, d);
    EXPECT_EQ(p.height, 20 + 3 * 45 + 3 * 45 + 20); // heights are exact at once
    EXPECT_EQ(p.width, 60);                        // "Anfang"; no matrix yet
    EXPECT_EQ(drawn(p, 0, 0), (Log{"text System/20 0,0 Anfang", "text System/20 0,290 Ende"}));

    long cells = 5; // two of the first matrix's three rows
    EXPECT_TRUE(p.measureMore(s, d, cells));
    EXPECT_FALSE(first.measured());
    p.measureBand(s, d, 20 + 3 * 45 + 1, 20 + 3 * 45 + 1); // the second matrix's top row
    EXPECT_TRUE(second.measured());
    EXPECT_EQ(second.columnWidths, (std::vector<std::int32_t>{60, 60}));
    EXPECT_EQ(p.width, 70);
    while (cells = 1, p.measureMore(s, d, cells)) {
    }
    const int staged = p.width;
    p.measure(s, d);
    EXPECT_EQ(staged, p.width);
}

TEST_F(RecordDrawing, FixbreiteGivesEveryColumnTheWidestWidthButKeepsTheMeasuredWidth) {
    s.fixbreite = true;
    protmatrix p = exact({{123, 12345, 1234}});
    p.measure(s, d);
    EXPECT_EQ(p.columnWidths, (std::vector<std::int32_t>{50, 50, 50}));
    EXPECT_EQ(p.width, 120);
    EXPECT_EQ(drawn(p, 0, 0), (Log{"text Arial/20 30,7 123", "text Arial/20 70,7 12345",
                                   "text Arial/20 140,7 1234"}));
}

TEST_F(RecordDrawing, ClipSkipsColumnsOutsideItAndStopsBeyondItsRightEdge) {
    protmatrix p = exact({{123, 12345, 1}});
    p.measure(s, d); // columns [10, 40], [50, 100], [110, 120]
    EXPECT_EQ(drawn(p, 0, 0, {41, 0, 49, 1000}), Log{});
    EXPECT_EQ(drawn(p, 0, 0, {45, 0, 1000, 1000}),
              (Log{"text Arial/20 50,7 12345", "text Arial/20 110,7 1"}));
    EXPECT_EQ(drawn(p, 0, 0, {0, 0, 50, 1000}),
              (Log{"text Arial/20 10,7 123", "text Arial/20 50,7 12345"}));
    // Above or below the clip, nothing.
    EXPECT_EQ(drawn(p, 0, 1001, {0, 0, 1000, 1000}), Log{});
    EXPECT_EQ(drawn(p, 0, -46, {0, 0, 1000, 1000}), Log{});
}

TEST_F(RecordDrawing, OnlyRowsNearTheClipAreDrawn) {
    std::vector<std::vector<reel>> column(100, std::vector<reel>{7});
    protmatrix p = exact(column);
    p.measure(s, d);
    const Log log = drawn(p, 0, 0, {0, 50 * 45, 1000, 50 * 45 + 10});
    EXPECT_LE(log.size(), 3u);
    EXPECT_NE(std::find(log.begin(), log.end(), "text Arial/20 10,2257 7"), log.end());
}

TEST_F(RecordDrawing, UnmeasuredAndEmptySnapshotsDrawNothing) {
    protmatrix p = exact({{1}});
    EXPECT_EQ(drawn(p, 0, 0), Log{});
    protmatrix none(std::make_unique<MatrixReel>(0, 0, nullptr));
    none.measure(s, d);
    EXPECT_EQ(none.height, 0);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(drawn(none, 0, 0), Log{});
}

TEST_F(RecordDrawing, MeasuringBuildsEveryCellOnce) {
    protmatrix fractions = exact({{reel(3, 1, 2), reel(-1, 2)}, {reel(1), reel(0)}});
    fractions.measure(s, d);
    EXPECT_EQ(d.extents, 3 + 3 + 1 + 1); // whole, numerator, denominator when present
    d.extents = 0;
    protmatrix doubles(std::make_unique<MatrixFloat>(3, 2, nullptr));
    doubles.measure(s, d);
    EXPECT_EQ(d.extents, 6);
    EXPECT_EQ(doubles.height, 3 * 30);
}

TEST_F(RecordDrawing, FloatCellsInFontAAlignedLeftOrRight) {
    MatrixFloat m(1, 1, nullptr);
    m.at(0, 0) = -2.5;
    EXPECT_EQ(m.cellWidth(0, 0, s, d), 40);
    d.log.clear();
    m.drawCell(100, 3, 0, 0, s, d);
    s.rechtszentriert = false;
    m.drawCell(100, 3, 0, 0, s, d);
    EXPECT_EQ(d.log, (Log{"text Arial/20 60,3 -2.5", "text Arial/20 100,3 -2.5"}));
    EXPECT_EQ(m.rowHeight(s), 30);
}

TEST_F(RecordDrawing, TextLinesInTheContextsFontTestedAgainstTheClipVertically) {
    protstring line("Gauss von");
    line.measure(s, d);
    EXPECT_EQ(line.width, 90);
    EXPECT_EQ(line.height, 20);
    EXPECT_EQ(drawn(line, 500, 0, {0, 20, 10, 40}), (Log{"text System/20 500,0 Gauss von"}));
    EXPECT_EQ(drawn(line, 0, 41, {0, 20, 10, 40}), Log{});
    EXPECT_EQ(drawn(line, 0, -21, {0, 20, 10, 40}), Log{});
}

TEST_F(RecordDrawing, AProtocolStacksItsRecords) {
    protstream p;
    EXPECT_EQ(drawn(p, 0, 0), Log{});
    p.measure(s, d);
    EXPECT_EQ(p.height, 0);
    EXPECT_EQ(p.width, 0);

    matrix<reel> m(1, 1, &p);
    m.at(0, 0) = reel(5);
    p << "Gauss von\n" << m << "Ende\n";
    p.measure(s, d);
    EXPECT_EQ(p.height, 20 + 45 + 20);
    EXPECT_EQ(p.width, 90);
    EXPECT_EQ(drawn(p, 0, 0), (Log{"text System/20 0,0 Gauss von", "text Arial/20 10,27 5",
                                   "text System/20 0,65 Ende"}));
    EXPECT_EQ(drawn(p, 0, 0, {0, 66, 100, 100}), (Log{"text System/20 0,65 Ende"}));
}
