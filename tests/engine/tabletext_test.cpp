// Spreadsheet text: the forms values are written in, what is read back, and
// what is refused with which message.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <random>

#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstream.h"
#include "reeltext.h"
#include "tablereader.h"
#include "tablewriter.h"

namespace {

const TableWriter::Options point{false};
const TableWriter::Options comma{true};

matrix<reel> exact(std::initializer_list<std::initializer_list<reel>> rows) {
    matrix<reel> m(int(rows.size()), int(rows.begin()->size()));
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const reel& x : row) m.at(r, c++) = x;
        ++r;
    }
    return m;
}

std::string fields(const matrix<reel>& m) {
    std::string s;
    for (int r = 0; r < m.rows(); ++r) {
        for (int c = 0; c < m.cols(); ++c) s += cellText(m.at(r, c)) + " ";
        s += "| ";
    }
    return s;
}

} // namespace

TEST(TableWriter, FractionsAreTextWithTheFractionSlashIntegersPlainNumbers) {
    EXPECT_EQ(TableWriter::exactText(reel(0)), "0");
    EXPECT_EQ(TableWriter::exactText(reel(-7)), "-7");
    EXPECT_EQ(TableWriter::exactText(reel(1, 2)), "1\u20442");
    EXPECT_EQ(TableWriter::exactText(reel(-3, 4)), "-3\u20444");
    EXPECT_EQ(TableWriter::exactText(reel(-1, 1, 2)), "-1 1\u20442");
    EXPECT_EQ(TableWriter::exactText(reel(2147483647, 1, 2147483647)),
              "2147483647 1\u20442147483647");
}

TEST(TableWriter, DoublesUseTheShortestExactDigitsAndTheChosenSeparator) {
    EXPECT_EQ(TableWriter::floatText(0.1, point), "0.1");
    EXPECT_EQ(TableWriter::floatText(-2.5, comma), "-2,5");
    EXPECT_EQ(TableWriter::floatText(-0.0, point), "0");
    EXPECT_EQ(TableWriter::floatText(1e-5, comma), "0,00001");
    EXPECT_EQ(TableWriter::floatText(1e20, point), "1e+20");
    EXPECT_EQ(TableWriter::floatText(1.0 / 3.0, point), "0.3333333333333333");
}

TEST(TableWriter, TsvCsvAndHtmlLayouts) {
    const matrix<reel> m = exact({{reel(1), reel(1, 2)}, {reel(-3), reel(0)}});
    EXPECT_EQ(TableWriter::tsv(m, point), "1\t1\u20442\n-3\t0\n");
    EXPECT_EQ(TableWriter::csv(m, point), "1;1\u20442\r\n-3;0\r\n");
    const std::string html = TableWriter::html(m, point);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<tr><td sdval=\"1\">1</td><td>1\u20442</td></tr>"), std::string::npos);

    matrix<double> f(1, 2);
    f.at(0, 0) = 1.5;
    f.at(0, 1) = -0.25;
    // The value attribute keeps the point whatever the text shows.
    EXPECT_NE(TableWriter::html(f, comma).find("<td sdval=\"1.5\">1,5</td>"), std::string::npos);
}

// tests/data/tabellenfelder.txt: a field a line, a new case is a line there.
TEST(TableReader, FieldsReadAsTheDataFileSays) {
    std::ifstream in(LINEON_DATA_DIR "/tabellenfelder.txt");
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t'), last = line.rfind('\t');
        if (line.empty() || line[0] == '#' || tab == last) continue;
        const std::string text = line.substr(tab + 1, last - tab - 1);
        std::string got;
        TableReader::Status s;
        if (line.rfind("bruch", 0) == 0) {
            reel x;
            s = TableReader::exactValue(text, x);
            got = cellText(x);
            EXPECT_TRUE(s != TableReader::Status::Ok || x.isNormal()) << text;
        } else {
            double v = 0;
            s = TableReader::floatValue(text, v);
            got = (std::ostringstream() << std::setprecision(17) << v).str();
        }
        if (s != TableReader::Status::Ok)
            got = s == TableReader::Status::NotExact ? "nicht exakt" : "keine Zahl";
        EXPECT_EQ(got, line.substr(last + 1)) << "\"" << text << "\"";
        ++cases;
    }
    EXPECT_GT(cases, 30);
}

TEST(TableReader, SplitsTabsSemicolonsQuotesAndLineEnds) {
    using F = TableReader::Fields;
    EXPECT_EQ(TableReader::split("1\t2\r\n3\t4\r\n"), (F{{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(TableReader::split("1;0,5\n\"a;b\";\"x\"\"y\"\n\n"),
              (F{{"1", "0,5"}, {"a;b", "x\"y"}}));
    EXPECT_EQ(TableReader::split("\xEF\xBB\xBF" "7\n8"), (F{{"7"}, {"8"}}));
    // A tab anywhere makes tabs the separators; semicolons are then text.
    EXPECT_EQ(TableReader::split("1;2\t3"), (F{{"1;2", "3"}}));
    EXPECT_TRUE(TableReader::split("\n\n").empty());
}

TEST(TableReader, ShortRowsAndEmptyFieldsAreZero) {
    matrix<reel> m;
    std::string error;
    ASSERT_TRUE(TableReader::read("1;2;3\n4\n;;1/2\n", m, error)) << error;
    EXPECT_EQ(fields(m), "1 2 3 | 4 0 0 | 0 0 1,2 | ");
}

TEST(TableReader, RefusalsSayWhereAndLeaveTheTargetAlone) {
    matrix<reel> m(1, 1);
    m.at(0, 0) = reel(9);
    std::string error;
    EXPECT_FALSE(TableReader::read("1\t2\n3\tzwei\n", m, error));
    EXPECT_EQ(error, "Zeile 2, Spalte 2: \"zwei\" ist keine Zahl.");
    EXPECT_FALSE(TableReader::read("0,333333333333", m, error));
    EXPECT_EQ(error, "Zeile 1, Spalte 1: \"0,333333333333\" lässt sich nicht als Bruch darstellen "
                     "(zu groß oder zu viele Stellen).");
    EXPECT_FALSE(TableReader::read("  \n", m, error));
    EXPECT_EQ(error, "Es sind keine Zahlen vorhanden.");
    std::string tall;
    for (int i = 0; i < 1000; ++i) tall += "1\n";
    EXPECT_FALSE(TableReader::read(tall, m, error));
    EXPECT_NE(error.find("1000 Zeilen"), std::string::npos) << error;
    std::string wide(1000, ';');
    EXPECT_FALSE(TableReader::read(wide + "1", m, error));
    EXPECT_NE(error.find("1001 Spalten"), std::string::npos) << error;
    EXPECT_EQ(m.rows(), 1);
    EXPECT_TRUE(m.at(0, 0).sameFields(reel(9)));
}

TEST(TableReader, DocumentsAreExactWhenEveryValueIs) {
    protstream p;
    std::string error;
    auto doc = TableReader::readDocument("1/3;0,25\n-1 1/2;7\n", &p, error);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->kind(), MatrixObject::Exact);
    EXPECT_EQ(doc->cellText(1, 0, {}), "-1,1,2");
    doc = TableReader::readDocument("1/3;3,14159265358979\n", &p, error);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->kind(), MatrixObject::Float);
    EXPECT_EQ(dynamic_cast<MatrixFloat&>(*doc).at(0, 1), 3.14159265358979);
    EXPECT_FALSE(TableReader::readDocument("1;x", &p, error));
    EXPECT_EQ(error, "Zeile 1, Spalte 2: \"x\" ist keine Zahl.");
}

// What the writer gives, the reader takes back unchanged: every fraction,
// every double, with either decimal separator, as TSV and as CSV.
TEST(TableRoundTrip, ExactValuesComeBackField) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<std::int32_t> any(-2147483647, 2147483647), small(-50, 50);
    matrix<reel> m(20, 7);
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c) {
            const std::int32_t d = r % 2 ? any(gen) : small(gen);
            m.at(r, c) = reel(c % 3 ? any(gen) : small(gen), 0, 1) + reel(small(gen), d == 0 ? 1 : d);
        }
    m.at(0, 0) = reel(2147483647, 2147483646, 2147483647);
    m.at(0, 1) = reel(-2147483647, 1, 2147483647);
    for (const auto& text : {TableWriter::tsv(m, point), TableWriter::csv(m, comma)}) {
        matrix<reel> back;
        std::string error;
        ASSERT_TRUE(TableReader::read(text, back, error)) << error;
        EXPECT_EQ(fields(back), fields(m));
    }
}

TEST(TableRoundTrip, DoublesComeBackBitForBit) {
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> scale(-300, 300);
    matrix<double> m(30, 5);
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c) m.at(r, c) = unit(gen) * std::pow(10.0, scale(gen) / (c + 1));
    m.at(0, 0) = 5e-324;
    m.at(0, 1) = 1.7976931348623157e308;
    m.at(0, 2) = 0.1 + 0.2;
    for (const auto& o : {point, comma})
        for (const auto& text : {TableWriter::tsv(m, o), TableWriter::csv(m, o)}) {
            matrix<double> back;
            std::string error;
            ASSERT_TRUE(TableReader::read(text, back, error)) << error;
            for (int r = 0; r < m.rows(); ++r)
                for (int c = 0; c < m.cols(); ++c) ASSERT_EQ(back.at(r, c), m.at(r, c)) << r << "," << c;
        }
}
