// Measuring protocol records into a layout, drawing them as laid out and
// cutting them into printed pages with the print cursor, on the recording
// context. Font A is Arial 20 (10 units a character), font B Arial 16, the
// context's own font (text lines) 10 a character and 20 high; so a fraction
// row is 2 * 16 + 3 + 10 = 45 high, a float row 30, and a whole number's top
// (35 - 20) / 2 = 7 below its row's top.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "bruchfonts.h"
#include "druckinfo.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protlayout.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protstring.h"
#include "recordingdc.h"

namespace {

using Log = std::vector<std::string>;
using Pages = std::vector<Log>;
using Widths = std::vector<std::int32_t>;
constexpr dcrect everything{-100000, -100000, 100000, 100000};

class RecordDrawing : public testing::Test {
protected:
    // The plain view; the explained one has tests of its own.
    RecordDrawing() {
        s.notizen = false;
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

namespace {

class Printing : public RecordDrawing {
protected:
    // A page of 1000 x 2000 units whose margins leave the cursor left 50,
    // top 100, printWidth = 1000 - 100 - left, printHeight 1900: 1800 units
    // or 40 fraction rows between top and printHeight.
    void page(int left = 50, int right = 50) {
        cursor.setGeometry({1000, 2000}, {1000, 2000, left, 100, right, 0});
    }

    Pages print(const protobject& material) {
        cursor.startPagination();
        cursor.device = &d;
        cursor.settings = &s;
        material.paginate(cursor);
        cursor.finishPagination();
        Pages pages;
        for (int p = 1; cursor.beginPage(p); ++p) {
            d.log.clear();
            material.printPage(cursor);
            pages.push_back(d.log);
        }
        return pages;
    }

    static std::string text(const std::string& entry) { return entry.substr(entry.rfind(' ') + 1); }
    static int yOf(const std::string& entry) {
        const std::size_t comma = entry.find(',', entry.find(' ', 5));
        return std::stoi(entry.substr(comma + 1));
    }

    DruckInfo cursor;
};

} // namespace

TEST_F(Printing, TextLinesPrintAtThePageSetupsMarginsAndLinesTallerThanThePageGetAPageEach) {
    // A4 in points, 2 cm margins, on a device of 4961 x 7016 units.
    cursor.setGeometry({4961, 7016}, {595, 842, 57, 57, 57, 57});
    EXPECT_EQ(cursor.top, 474); // 7016 * 57 / 842, not 7016 / 842 * 57 = 456
    EXPECT_EQ(cursor.left, 475);
    EXPECT_EQ(cursor.printWidth, 4961 - 475 - 475);
    EXPECT_EQ(cursor.printHeight, 7016 - 474 - 474);
    page();
    protstream p;
    p << "Gauss von\n"
      << "eins\n"
      << "\n";
    EXPECT_EQ(print(p), (Pages{{"text System/20 50,100 Gauss von", "text System/20 50,120 eins",
                                "text System/20 50,140 "}}));
    EXPECT_FALSE(cursor.beginPage(2));
    // 10 units between top and printHeight, less than a text line; a
    // snapshot without rows fits anywhere.
    cursor.setGeometry({1000, 2000}, {1000, 2000, 0, 100, 0, 1890});
    protstream q;
    q << "a\n" << matrix<reel>(0, 0, nullptr) << "b\n";
    EXPECT_EQ(print(q), (Pages{{"text System/20 0,100 a"}, {"text System/20 0,100 b"}}));
}

TEST_F(Printing, ARecordTallerThanTwoPagesPrintsEveryLineOnceInOrderInsideThePage) {
    page();
    protstream p;
    matrix<reel> tall(130, 1, &p);
    for (int r = 0; r < 130; ++r) tall.at(r, 0) = reel(r + 1);
    p << "vorher\n" << tall << "nachher\n";
    const Pages pages = print(p);
    // A line and 39 rows, 40 rows, 40 rows, 11 rows and a line; a page
    // within the matrix starts with the row after the last one printed.
    EXPECT_EQ(cursor.pageCount, 4);
    EXPECT_EQ(cursor.pageStarts[2], (SeitenMerkmale{1, 79}));
    EXPECT_EQ(yOf(pages[2].front()), 100 + 7);
    Log all;
    for (const Log& onPage : pages)
        for (const std::string& entry : onPage) {
            all.push_back(text(entry));
            EXPECT_GE(yOf(entry), cursor.top) << entry;
            EXPECT_LE(yOf(entry) + 20, cursor.printHeight) << entry;
        }
    Log expected{"vorher"};
    for (int r = 1; r <= 130; ++r) expected.push_back(std::to_string(r));
    expected.push_back("nachher");
    EXPECT_EQ(all, expected);
}

TEST_F(Printing, WideRowsPrintAsStripsOfWholeColumnsEachButTheLastEndingInAMark) {
    page(50, 750); // printWidth 200: two columns of 80 + 10 and a mark of 10 + 10 fit
    const protmatrix m = exact({{10000000, 10000000, 10000000}, {10000001, 10000001, 10000001}});
    const Pages pages = print(m);
    // Row by row, each row strip after strip; right-aligned cells end a gap
    // after their column, and the mark stands a gap after the last number,
    // as high as the whole numbers.
    EXPECT_EQ(pages, (Pages{{"text Arial/20 60,107 10000000", "text Arial/20 150,107 10000000",
                             "text Arial/20 240,107 →", "text Arial/20 60,152 10000000",
                             "text Arial/20 60,197 10000001", "text Arial/20 150,197 10000001",
                             "text Arial/20 240,197 →", "text Arial/20 60,242 10000001"}}));
    s.rechtszentriert = false;
    EXPECT_EQ(print(m)[0][1], "text Arial/20 140,107 10000000");
    EXPECT_EQ(print(m)[0][2], "text Arial/20 230,107 →");
}

TEST_F(Printing, AtAnyWidthEveryCellPrintsOnceInsideTheMarginsAndMarksEndTheBrokenLines) {
    // Column c holds numbers of c + 1 digits, 10 to 60 units wide; the
    // widest with its gap fills a page 70 wide.
    auto m = std::make_unique<MatrixReel>(3, 6, nullptr);
    Log cells;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) {
            cells.push_back(std::string(std::size_t(c + 1), char('1' + r)));
            m->at(r, c) = reel(std::stoi(cells.back()));
        }
    protmatrix record(std::move(m));
    for (const bool right : {true, false})
        for (int width = 70; width <= 260; width += 3) {
            s.rechtszentriert = right;
            page(50, 950 - width);
            const int margin = cursor.left + cursor.printWidth;
            const std::string where = (right ? "right " : "left ") + std::to_string(width);
            std::map<int, Log> lines; // by y
            for (const Log& p : print(record))
                for (const std::string& entry : p) lines[yOf(entry)].push_back(entry);
            Log printed;
            for (const auto& [y, line] : lines) {
                int end = cursor.left;
                for (const std::string& entry : line) {
                    const int x = std::stoi(entry.substr(entry.find(' ', 5) + 1));
                    // Nothing overlaps, and the mark keeps a gap.
                    const int gap = text(entry) == "→" ? s.addbreite : 0;
                    EXPECT_GE(x, end + gap) << where << ": " << entry;
                    end = x + RecordingDc::widthOf(text(entry), s.fontA);
                    EXPECT_LE(end, margin) << where << ": " << entry;
                    if (text(entry) != "→") printed.push_back(text(entry));
                }
                // The mark ends the line when its row goes on; only a single
                // number may leave it no room beside it.
                const bool marked = text(line.back()) == "→";
                const bool rowGoesOn = printed.back().size() < 6;
                if (line.size() > 1 || marked) {
                    EXPECT_EQ(marked, rowGoesOn) << where << " y " << y;
                }
            }
            EXPECT_EQ(printed, cells) << where;
        }
}

TEST_F(Printing, TextIsCutAfterBlanksAndLongWordsInsideThemToFitTheWidth) {
    auto lines = [&](const std::string& text, int width) {
        Log out;
        const auto starts = protstring::breakLines(text, width, d);
        for (std::size_t i = 0; i < starts.size(); ++i)
            out.push_back(text.substr(
                starts[i], (i + 1 < starts.size() ? starts[i + 1] : text.size()) - starts[i]));
        return out;
    };
    EXPECT_EQ(lines("Gauss nr. 12 von Matrix", 100), (Log{"Gauss nr. ", "12 von ", "Matrix"}));
    EXPECT_EQ(lines("Überlaufüberlauf!", 80), (Log{"Überlauf", "überlauf", "!"}));
    EXPECT_EQ(lines("ab", 5), (Log{"a", "b"})); // narrower than a character: one each
    EXPECT_EQ(lines("", 5), (Log{""}));
}

namespace {

// The explained view, on the snapshot after the first step of a real
// Gauss-Jordan run: pivot (1,1), Z1 halved, Z2 cleared.
class Explained : public Printing {
protected:
    Explained() {
        s.notizen = true;
        matrix<reel> m(2, 3, &p);
        const int v[] = {2, 4, 2, 1, 3, 2};
        for (int k = 0; k < 6; ++k) m.at(k / 3, k % 3) = reel(v[k]);
        m.gaussJordan();
        step = dynamic_cast<const protmatrix*>(std::next(p.records().begin(), 3)->get());
    }
    // "text Arial/16 x,y words" or "line x1,y1 x2,y2": the numbers and the words.
    static std::vector<int> numbers(const std::string& e, std::string* words = nullptr) {
        std::vector<int> out(4, 0);
        const std::size_t at = e.find(' ', e[0] == 't' ? 5 : 0);
        std::sscanf(e.c_str() + at, " %d,%d %d,%d", &out[0], &out[1], &out[2], &out[3]);
        if (words) *words = e.substr(e.find(' ', at + 1) + 1);
        return out;
    }
    protstream p;
    const protmatrix* step = nullptr;
};

} // namespace

TEST_F(Explained, ASnapshotStandsInBracketsWithItsPivotBoxedAndItsNoteBeside) {
    ASSERT_NE(step, nullptr);
    const std::vector<std::string> note = noteLines(*step->note());
    EXPECT_EQ(note, (std::vector<std::string>{"Pivot (1,1)", "Z1 := 1/2 · Z1", "Z2 := Z2 − Z1"}));
    const ProtLayout l = measured(*step);
    // Two brackets of three strokes and the pivot's box of four, all inside
    // the record; the box's top and bottom edge enclose row 1 only.
    int strokes = 0, full = 0, right = 0, boxLeft = 1 << 20, boxRight = 0, line = 0, inBox = 0;
    const Log log = drawn(*step, l, 0, 0);
    for (const std::string& e : log) {
        if (e[0] != 'l') continue;
        const std::vector<int> k = numbers(e);
        ++strokes;
        full += k[0] == k[2] && std::abs(k[3] - k[1]) == 2 * 45 - 1;
        right = std::max({right, k[0], k[2]});
        EXPECT_LE(std::max(k[0], k[2]), l.width);
        EXPECT_LE(std::max(k[1], k[3]), l.height);
        if (k[1] == k[3] && k[1] > 0 && k[1] < 45)
            boxLeft = std::min({boxLeft, k[0], k[2]}), boxRight = std::max({boxRight, k[0], k[2]});
    }
    EXPECT_EQ(strokes, 10);
    EXPECT_EQ(full, 2);
    for (const std::string& e : log) {
        std::string words;
        const std::vector<int> at = numbers(e, &words);
        if (e.rfind("text Arial/20 ", 0) == 0)
            inBox += at[0] > boxLeft && at[0] < boxRight && at[1] < 45;
        if (e.rfind("text Arial/16 ", 0) != 0) continue;
        // The note's lines in order, one below the other, right of the matrix.
        ASSERT_LT(line, int(note.size()));
        EXPECT_EQ(words, note[std::size_t(line)]);
        EXPECT_GT(at[0], right);
        EXPECT_EQ(at[1], line++ * (16 + 5));
        EXPECT_LE(at[0] + RecordingDc::widthOf(words, s.fontB), l.width);
    }
    EXPECT_EQ(line, int(note.size()));
    EXPECT_EQ(inBox, 1);

    // The plain view draws the numbers alone, where it always did.
    s.notizen = false;
    for (const std::string& e : drawn(*step, measured(*step), 0, 0))
        EXPECT_EQ(e.rfind("text Arial/20 ", 0), 0u);
}

TEST_F(Explained, ColumnsStandFartherApartThanAMixedNumbersPartsAndHeadingsAreSetApart) {
    const protmatrix mixed = exact({{reel(5, 1, 2), reel(-1, 1, 2)}});
    const Log log = drawn(mixed, measured(mixed), 0, 0);
    // 5, its denominator, numerator and bar, then -1: the second whole part
    // starts far beyond the first fraction.
    const int inner = numbers(log[1])[0] - (numbers(log[0])[0] + 10),
              between = numbers(log[4])[0] - (numbers(log[1])[0] + 8);
    EXPECT_GT(between, 2 * inner);

    protstring heading("Gauss von");
    const ProtLayout h = measured(heading);
    EXPECT_EQ(h.height, 20 + s.addhoehe);
    EXPECT_EQ(drawn(heading, h, 0, 0), (Log{"text Arial/20 0,10 Gauss von"}));
}

TEST_F(Explained, ThePrintoutGivesTheNoteBelowTheMatrix) {
    page();
    const Pages pages = print(*step);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> note = noteLines(*step->note());
    ASSERT_GE(pages[0].size(), note.size());
    for (std::size_t i = 0; i < note.size(); ++i) {
        std::string words;
        numbers(pages[0][pages[0].size() - note.size() + i], &words);
        EXPECT_EQ(words, note[i]);
    }
}
